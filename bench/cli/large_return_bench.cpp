// Large returns through the command-line tool: "calc --auto" on 2,000 and 4,000 share assets
// of 10 cost elements each (the goal: under 0.5 s at 2,000 and 4,000 within 2.2 times that),
// and "import" of 10,000 trades over 300 securities followed by "calc --auto" (under 5 s in
// all). Times are the CPU seconds of the tool's processes, the median of three runs, each on
// a fresh copy of the return. Run by hand: bench_large_return [--keep] [--tool PATH], where
// PATH is another build's orvana-tax (to measure before and after a change on this machine).

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* Tool = ORVANA_TAX_TOOL;
constexpr const char* Tfn = "123456782";

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the tool with its output discarded; the CPU seconds it took.
double Run(const std::vector<std::string>& args) {
    const double before = ChildCpuSeconds();
    std::fflush(stdout);  // else the child flushes the parent's buffered lines again
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(Tool)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (!freopen("/dev/null", "w", stdout)) _exit(126);
        execv(Tool, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "orvana-tax " << args.front() << " failed (" << status << ")\n";
        std::exit(1);
    }
    return ChildCpuSeconds() - before;
}

std::string Date(int day, int month, int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
    return text;
}

// N share assets sold in the year, each with 10 cost elements and a capital return; some
// bought before indexation was frozen, so both methods are open.
std::string AnswersFile(const fs::path& folder, int assets) {
    const fs::path path = folder / ("assets-" + std::to_string(assets) + ".txt");
    std::ofstream out(path);
    for (int i = 1; i <= assets; ++i) {
        const std::string bought = Date(1 + i % 28, 1 + i % 12, 1990 + i % 15);
        out << "[1202." << i << "]\n710=text:Asset " << i << " ordinary shares\n714=text:SN\n"
            << "726=text:" << bought << "\n737=rows:8\n";
        out << "| 1 - Purchase/Acquisition cost | " << bought << " | | Parcel | " << 1000 + i % 977
            << ".25 | | |\n";
        for (int c = 1; c < 9; ++c)
            out << "| "
                << (c % 2 ? "2A - Incidentals re holding & acquisition"
                          : "4 - Capital expenditure - increases value")
                << " | " << bought << " | | Element " << c << " | " << 10 * c + i % 7
                << ".10 | | |\n";
        out << "| 2B - Incidentals re specific CGT event | 12/10/2005 | | Brokerage on sale | "
            << 20 + i % 13 << ".95 | | |\n";
        out << "739=text:12/10/2005\n742=currency:" << 900 + (i * 37) % 2500 << "\n721=check\n";
    }
    return path;
}

fs::path NewReturn(const fs::path& folder, const std::string& name) {
    const fs::path file = folder / name;
    Run({"new", file, "--tfn", Tfn, "--force"});
    return file;
}

// The median CPU seconds of three runs of `command` on fresh copies of `base`.
double Median(const fs::path& base, const std::vector<std::string>& command) {
    std::vector<double> runs;
    const fs::path copy = base.parent_path() / "RUN.TAX";
    for (int r = 0; r < 3; ++r) {
        fs::copy_file(base, copy, fs::copy_options::overwrite_existing);
        std::vector<std::string> args{command.front(), copy.string()};
        args.insert(args.end(), command.begin() + 1, command.end());
        runs.push_back(Run(args));
    }
    std::sort(runs.begin(), runs.end());
    return runs[1];
}

double CalcAuto(const fs::path& folder, int assets) {
    const fs::path file = NewReturn(folder, "ASSETS" + std::to_string(assets) + ".TAX");
    Run({"set", file, "--tfn", Tfn, "--from", AnswersFile(folder, assets)});
    const double seconds = Median(file, {"calc", "--tfn", Tfn, "--auto"});
    std::printf("calc --auto, %5d assets: %7.3f s CPU, %6.1f us an asset\n", assets, seconds,
                1e6 * seconds / assets);
    return seconds;
}

// 10,000 trades over 300 securities: per security about 26 buys of 100 from 1998 to 2000
// and 7 sales of 100 from August 2005 to February 2006, so about 2,100 parcels are sold.
std::string TradeList(const fs::path& folder) {
    const fs::path path = folder / "trades.csv";
    std::ofstream out(path);
    out << "Trade Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage,Consideration\n";
    for (int t = 0; t < 10000; ++t) {
        const int security = t % 300, j = t / 300;
        const std::string code{char('A' + security / 26 % 26), char('A' + security % 26), 'X'};
        const bool buy = j < 26;
        const int cents = 100 + security * 3 + (buy ? j * 5 : 150 + j * 7 - security % 40);
        const std::string date =
            buy ? Date(1 + security % 28, 1 + j % 12, 1998 + j / 12)
                : Date(1 + security % 28, (j - 26 + 7) % 12 + 1, j - 26 + 7 >= 12 ? 2006 : 2005);
        char price[32], total[32];
        std::snprintf(price, sizeof price, "%d.%02d", cents / 100, cents % 100);
        std::snprintf(total, sizeof total, "%d.00", cents);
        out << date << "," << code << ",Company " << security << "," << (buy ? "Buy" : "Sell")
            << ",100," << price << ",19.95," << total << "\n";
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--keep") {
            keep = true;
        } else if (arg == "--tool" && i + 1 < argc) {
            Tool = argv[++i];
        } else {
            std::cerr << "usage: bench_large_return [--keep] [--tool PATH]\n";
            return 2;
        }
    }
    std::printf("orvana-tax: %s\n", Tool);
    char pattern[] = "/tmp/orvana-large-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const fs::path folder = pattern;

    const double small = CalcAuto(folder, 2000);
    const double large = CalcAuto(folder, 4000);
    std::printf(
        "calc --auto, 4000/2000 assets: ratio %.2f (goal: at most 2.2; 2,000 under 0.5 s)\n",
        large / small);

    const fs::path file = NewReturn(folder, "IMPORT.TAX");
    const double import = Run({"import", file, "--tfn", Tfn, "--trades", TradeList(folder)});
    const double calc = Median(file, {"calc", "--tfn", Tfn, "--auto"});
    std::printf(
        "import of 10,000 trades over 300 securities: %.3f s CPU, then calc --auto %.3f s "
        "CPU: %.3f s (goal: under 5 s)\n",
        import, calc, import + calc);

    if (keep)
        std::printf("returns kept in %s\n", folder.c_str());
    else
        fs::remove_all(folder);
    return 0;
}
