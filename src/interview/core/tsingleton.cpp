#include "interview/core/tsingleton.h"

#include "base/module_state.h"

TSingleton::~TSingleton() = default;

void TSingleton::ReleaseInstanceOf(const std::string& className) {
    State().SingletonInstances.erase(className);
}

void TSingleton::RefuseCreate(const std::string& className) {
    // The missing space before "via" is the message as the family has always worded it.
    throw EConstructionRefused("Access class " + className + "via Instance only");
}

TSingleton* TSingleton::FindInstance(const std::string& className) {
    auto& slots = State().SingletonInstances;
    const auto found = slots.find(className);
    return found == slots.end() ? nullptr : found->second.get();
}

TSingleton& TSingleton::StoreInstance(const std::string& className,
                                      std::unique_ptr<TSingleton> instance) {
    auto& slot = State().SingletonInstances[className];
    slot.reset(instance.release());
    return *slot;
}

void SingletonDeleter::operator()(TSingleton* instance) const { delete instance; }

void ReleaseSingletonInstances() {
    // Moved out first so that a destructor asking for an instance finds an empty slot table.
    auto released = std::move(State().SingletonInstances);
    State().SingletonInstances.clear();
    released.clear();
}
