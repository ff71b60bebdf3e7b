#include "startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// The processor time the process has used so far, all its threads together, in milliseconds.
double processorMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1000.0 + double(used.tv_nsec) / 1e6;
}

// The process's peak resident set so far, as the kernel counts it, in KiB.
long peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class StartupProbe : public QObject
{
public:
    StartupProbe(double startedAt, QObject *parent) : QObject(parent), m_startedAt(startedAt) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_reported && event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                m_reported = true;
                // The window paints while it handles this event; the report follows it.
                QTimer::singleShot(0, this, &StartupProbe::report);
            }
        }
        return false;
    }

private:
    void report()
    {
        const double now =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        std::printf("startup-probe: first-frame-ms=%.1f peak-rss-kib=%ld cpu-ms=%.1f\n",
                    (now - m_startedAt) * 1000.0, peakResidentKib(), processorMs());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    double m_startedAt;
    bool m_reported = false;
};

} // namespace

void installStartupProbe(QCoreApplication &app)
{
    const QByteArray startedAt = qgetenv("LUMIDEX_STARTUP_PROBE");
    if (startedAt.isEmpty())
        return;
    // $EPOCHREALTIME uses the locale's decimal separator.
    bool ok = false;
    const double seconds = QByteArray(startedAt).replace(',', '.').toDouble(&ok);
    if (!ok) {
        std::fprintf(stderr, "LUMIDEX_STARTUP_PROBE: not a time: %s\n", startedAt.constData());
        return;
    }
    app.installEventFilter(new StartupProbe(seconds, &app));
}
