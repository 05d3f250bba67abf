// Linked into a program to end it once its first window has been painted and flushed, and to
// say when that was on the file descriptor named by KINDREL_FRAME_FD.
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstFrameExit : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_done || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            !static_cast<QWidget*>(watched)->isWindow())
            return false;
        m_done = true;
        // Queued, so that it runs once this paint and the flush that follows it are done.
        QTimer::singleShot(0, qApp, [] {
            bool ok = false;
            const int fd = qEnvironmentVariableIntValue("KINDREL_FRAME_FD", &ok);
            if (ok) {
                const char frame = 'F';
                [[maybe_unused]] const ssize_t written = ::write(fd, &frame, 1);
            }
            QCoreApplication::exit(0);
        });
        return false;
    }

  private:
    bool m_done = false;
};

void installFirstFrameExit() {
    qApp->installEventFilter(new FirstFrameExit);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameExit)
