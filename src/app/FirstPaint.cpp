#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class Watcher : public QObject
{
public:
    Watcher(QWidget *widget, QObject *context, std::function<void()> then)
        : QObject(context)
        , m_then(std::move(then))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_then) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(m_then));
            m_then = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

namespace FirstPaint {

void then(QWidget *widget, QObject *context, std::function<void()> then)
{
    new Watcher(widget, context, std::move(then));
}

} // namespace FirstPaint
