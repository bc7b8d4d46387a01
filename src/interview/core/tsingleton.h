#pragma once
// One instance per class for the whole module: Instance creates it on first use,
// ReleaseInstance destroys it. The public Create of every such class is refused, so no
// second copy can be made by mistake.

#include <memory>
#include <stdexcept>
#include <string>

// Raised by the refused public constructors of the navigator classes.
class EConstructionRefused : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class TSingleton {
public:
    virtual ~TSingleton();
    TSingleton(const TSingleton&) = delete;
    TSingleton& operator=(const TSingleton&) = delete;

protected:
    TSingleton() = default;

    // The real construction, run once when the instance is first asked for.
    virtual void CreateInstance() {}

    // The slot operations behind each class's Instance and ReleaseInstance.
    template <class T>
    static T& InstanceOf(const std::string& className) {
        if (TSingleton* existing = FindInstance(className)) return static_cast<T&>(*existing);
        std::unique_ptr<T> created(new T);
        static_cast<TSingleton&>(*created).CreateInstance();
        return static_cast<T&>(StoreInstance(className, std::move(created)));
    }
    static void ReleaseInstanceOf(const std::string& className);

    // Every public Create of the family ends here.
    [[noreturn]] static void RefuseCreate(const std::string& className);

private:
    static TSingleton* FindInstance(const std::string& className);
    static TSingleton& StoreInstance(const std::string& className,
                                     std::unique_ptr<TSingleton> instance);
};

// The module's shutdown: every instance of every class goes.
void ReleaseSingletonInstances();
