// Start-up cost of the main window against a bare frameless window showing one picture: time from
// the application object's creation to the window's first paint, and the process's peak memory.
// Each measurement runs in a fresh process; the figures are medians over several runs.
//
//   bench_startup [runs]        (platform: QT_QPA_PLATFORM, offscreen when unset)

#include "form1.h"
#include "pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// Quits when the window has painted itself once.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }
    qint64 nanoseconds = -1;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && nanoseconds < 0) {
            nanoseconds = clock.nsecsElapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget* m_window;
};

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

enum class Subject
{
    MainWindow,
    BareWindow,
    BareWindowWithText
};

int measureChild(int argc, char** argv, Subject subject)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (subject == Subject::MainWindow) {
        auto form1 = std::make_unique<Form1>();
        if (!form1->load())
            return 1;
        window = std::move(form1);
    } else {
        auto label = std::make_unique<QLabel>();
        label->setWindowFlag(Qt::FramelessWindowHint);
        label->setFixedSize(400, 400);
        label->setPixmap(pictures::load(QStringLiteral("background")));
        if (subject == Subject::BareWindowWithText) {
            // The one-time cost of the font database, which any window that shows text pays.
            auto* text = new QLabel(QStringLiteral("CODICOLORIMETRIX"), label.get());
            text->setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
        }
        window = std::move(label);
    }
    FirstPaint paint(window.get());
    paint.clock = clock;
    window->show();
    QApplication::exec();
    std::printf("%lld %ld\n", static_cast<long long>(paint.nanoseconds), peakKilobytes());
    return 0;
}

struct Sample
{
    double milliseconds;
    double megabytes;
};

Sample median(std::vector<Sample> samples)
{
    auto middle = [&samples](auto member) {
        std::vector<double> values;
        for (const Sample& s : samples)
            values.push_back(s.*member);
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    return {middle(&Sample::milliseconds), middle(&Sample::megabytes)};
}

} // namespace

int main(int argc, char** argv)
{
    const std::array<std::pair<const char*, const char*>, 3> subjects {{
        {"--form1", "main window"},
        {"--bare", "bare window with one picture"},
        {"--bare-text", "  the same with one label"},
    }};
    if (argc == 2) {
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            if (std::string_view(argv[1]) == subjects[i].first)
                return measureChild(argc, argv, static_cast<Subject>(i));
        }
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::array<std::vector<Sample>, subjects.size()> samples;
    for (int run = 0; run < runs; ++run) {
        // Interleaved, so that a slow spell of the machine hits all alike.
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            QProcess child;
            child.start(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(subjects[i].first)});
            long long ns = 0;
            long kb = 0;
            if (!child.waitForFinished(30000) || child.exitCode() != 0
                || std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &ns, &kb) != 2) {
                std::fprintf(stderr, "measurement %s failed\n", subjects[i].first);
                return 1;
            }
            samples[i].push_back({ns / 1e6, kb / 1024.0});
        }
    }
    std::printf("platform %s, median of %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("%-30s %12s %12s   %s\n", "", "first paint", "peak memory", "main window is");
    const Sample form1 = median(samples[0]);
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const Sample s = median(samples[i]);
        std::printf("%-30s %9.1f ms %8.1f MiB", subjects[i].second, s.milliseconds, s.megabytes);
        if (i > 0)
            std::printf("   %.2f x time, %.2f x memory", form1.milliseconds / s.milliseconds,
                        form1.megabytes / s.megabytes);
        std::printf("\n");
    }
    return 0;
}
