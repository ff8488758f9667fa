// Opening a long run in the desktop program, offscreen, through the real main
// frame: the time from confirming the first-load dialog to page 1 drawn (the
// rest of the opening sequence, the window, paging and the first drawing),
// the memory held afterwards against the file size, and the time to switch
// back to the run's window from a second one, with the file viewer hidden
// and shown. Each format is opened in a process of its own, so that its
// memory figures are its own. Not a test: it is run by hand.
//   build/bench/nivora_open_bench [samples]
//   build/bench/nivora_open_bench --write DIR [samples]   runs to try by hand
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AppContext.h"
#include "BenchRuns.h"
#include "Commands.h"
#include "DiagramView.h"
#include "FileViewer.h"
#include "MainFrame.h"
#include "QtClock.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The wall clock and the process's processor time: on a busy machine the
// second tells what the opening itself costs.
struct Stamp {
    Clock::time_point wall{};
    double cpuMs = 0;
    static Stamp Now() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return {Clock::now(), t.tv_sec * 1e3 + t.tv_nsec / 1e6};
    }
    bool IsSet() const { return wall != Clock::time_point{}; }
};

struct Format {
    const char* name;
    const char* file;
    void (*write)(const std::string&, int64_t);
};

const Format kFormats[] = {
    {"PM01BS02", "run.dat", bench::WritePm01Bs02},
    {"\"Datum:\" list", "run_datum.csv", bench::WriteDatumList},
    {"four-field list", "run_vierfeld.csv", bench::WriteFourField},
};

// Confirms the first-load dialog at once and notes when.
class TimedAcceptDialog final : public nivora::IFirstLoadDialog {
  public:
    explicit TimedAcceptDialog(Stamp& confirmed) : m_confirmed(confirmed) {}
    nivora::FirstLoadAnswer Ask(int32_t, int32_t) override {
        if (!m_confirmed.IsSet()) m_confirmed = Stamp::Now();
        return {};
    }

  private:
    Stamp& m_confirmed;
};

double Ms(const Stamp& a, const Stamp& b) {
    return std::chrono::duration<double, std::milli>(b.wall - a.wall).count();
}
double CpuMs(const Stamp& a, const Stamp& b) { return b.cpuMs - a.cpuMs; }

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs the event loop until view has drawn itself once more (at most 5 s).
bool WaitForPaint(nivora::app::DiagramView* view, Stamp& drawn) {
    bool painted = false;
    const auto c = QObject::connect(view, &nivora::app::DiagramView::TitleChanged, view, [&] {
        if (!painted) drawn = Stamp::Now();
        painted = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!painted && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(c);
    return painted;
}

QMdiSubWindow* WindowOf(nivora::app::CMainFrame& frame, nivora::app::DiagramView* view) {
    for (QMdiSubWindow* w : frame.Area()->subWindowList())
        if (w->widget() == view) return w;
    return nullptr;
}

// Slowest of a few switches from the other window back to the run's window,
// until it has drawn itself.
double SwitchMs(nivora::app::CMainFrame& frame, nivora::app::DiagramView* big,
                nivora::app::DiagramView* other) {
    double worst = 0;
    for (int i = 0; i < 5; ++i) {
        frame.Area()->setActiveSubWindow(WindowOf(frame, other));
        QApplication::processEvents();
        const Stamp t0 = Stamp::Now();
        frame.Area()->setActiveSubWindow(WindowOf(frame, big));
        Stamp t1 = t0;
        if (!WaitForPaint(big, t1)) t1 = Stamp::Now();
        worst = std::max(worst, Ms(t0, t1));
    }
    return worst;
}

// One opening in this process; prints one line of figures.
int Measure(int argc, char** argv, const std::string& path, const std::string& small) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morlant GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("NivoraOpenBench"));
    nivora::MemorySettingsStore store;
    nivora::qt::QtClock clock;
    QPrinter printer;
    nivora::app::AppContext context;
    context.store = &store;
    context.clock = &clock;
    context.printer = &printer;
    nivora::app::CMainFrame frame(context);
    Stamp confirmed;
    frame.firstLoadDialog = [&](QWidget*) {
        return std::make_unique<TimedAcceptDialog>(confirmed);
    };
    frame.resize(1280, 900);
    frame.show();
    QApplication::processEvents();
    const long baseKiB = ResidentKiB();

    const Stamp start = Stamp::Now();
    nivora::app::DiagramView* big = frame.OpenFile(QString::fromStdString(path));
    if (!big) {
        std::fprintf(stderr, "nivora_open_bench: %s did not open\n", path.c_str());
        return 1;
    }
    Stamp drawn = start;
    if (!WaitForPaint(big, drawn)) {
        std::fprintf(stderr, "nivora_open_bench: page 1 was not drawn\n");
        return 1;
    }
    const long heldKiB = ResidentKiB(), peakKiB = PeakKiB();

    nivora::app::DiagramView* other = frame.OpenFile(QString::fromStdString(small));
    if (!other) return 1;
    const double switchHidden = SwitchMs(frame, big, other);
    frame.Execute(nivora::app::kFileViewer);
    const double switchShown = SwitchMs(frame, big, other);

    // One line of figures in the order of Figures below.
    std::printf("%.3f %d %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f\n",
                static_cast<double>(fs::file_size(path)) / 1e6, big->Model().PageCount(),
                Ms(start, confirmed), Ms(confirmed, drawn), CpuMs(confirmed, drawn),
                Ms(start, drawn), heldKiB * 1.024e-3, peakKiB * 1.024e-3, baseKiB * 1.024e-3,
                switchHidden, switchShown);
    return 0;
}

fs::path MakeTempDir() {
    std::string templ = (fs::temp_directory_path() / "nivora-open-bench-XXXXXX").string();
    if (!mkdtemp(templ.data())) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        std::exit(1);
    }
    return templ;
}

struct Figures {
    double mb = 0, read = 0, page1 = 0, page1Cpu = 0, total = 0, held = 0, peak = 0, base = 0,
           switchHidden = 0, switchShown = 0;
    int pages = 0;
};

// Runs this program on one file in a child process; its line of figures.
std::string RunChild(const std::string& path, const std::string& small) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0) return {};
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFd[1], STDOUT_FILENO);
        close(pipeFd[0]);
        close(pipeFd[1]);
        execl("/proc/self/exe", "nivora_open_bench", "--measure", path.c_str(), small.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    std::string out;
    char buffer[256];
    for (ssize_t got; (got = read(pipeFd[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(got));
    close(pipeFd[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? out : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--measure")
        return Measure(argc, argv, argv[2], argv[3]);
    if (argc >= 3 && std::string(argv[1]) == "--write") {
        const int64_t n = argc > 3 ? std::atoll(argv[3]) : 1000000;
        const fs::path dir = argv[2];
        fs::create_directories(dir);
        for (const Format& f : kFormats) f.write((dir / f.file).string(), n);
        bench::WriteFourField((dir / "run_bewertet.csv").string(), n);
        bench::WriteStateFile((dir / "run_bewertet.csv.zi4").string(), n);
        std::printf("written to %s\n", dir.c_str());
        return 0;
    }
    const int64_t samples = argc > 1 ? std::atoll(argv[1]) : 1000000;
    if (samples < 1) {
        std::fprintf(stderr, "usage: nivora_open_bench [samples] | --write DIR [samples]\n");
        return 2;
    }
    const fs::path dir = MakeTempDir();
    const std::string small = (dir / "klein.csv").string();
    bench::WriteFourField(small, 2000);
    std::printf("%-16s %7s %6s %8s %10s %8s %8s %8s %7s %8s %7s %9s %9s\n", "format", "file MB",
                "pages", "read ms", "confirm>p1", "(cpu ms)", "total ms", "held MB", "held/f",
                "peak MB", "peak/f", "switch ms", "+viewer");
    int failures = 0;
    for (const Format& f : kFormats) {
        const std::string path = (dir / f.file).string();
        f.write(path, samples);
        const std::string line = RunChild(path, small);
        fs::remove(path);
        Figures r;
        if (std::sscanf(line.c_str(), "%lf %d %lf %lf %lf %lf %lf %lf %lf %lf %lf", &r.mb, &r.pages,
                        &r.read, &r.page1, &r.page1Cpu, &r.total, &r.held, &r.peak, &r.base,
                        &r.switchHidden, &r.switchShown) != 11) {
            std::printf("%-16s failed\n", f.name);
            ++failures;
            continue;
        }
        std::printf(
            "%-16s %7.1f %6d %8.0f %10.0f %8.0f %8.0f %8.1f %7.1f %8.1f %7.1f %9.1f %9.1f\n",
            f.name, r.mb, r.pages, r.read, r.page1, r.page1Cpu, r.total, r.held, r.held / r.mb,
            r.peak, r.peak / r.mb, r.switchHidden, r.switchShown);
        std::printf("%-16s (resident before opening: %.1f MB)\n", "", r.base);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return failures == 0 ? 0 : 1;
}
