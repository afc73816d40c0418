#include "WindowMode.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

WindowMode::WindowMode(QWidget *window, const QSize &screen)
    : QObject(window)
    , m_window(window)
{
    window->setMinimumSize(minimumSize().boundedTo(screen));
    auto *key = new QShortcut(QKeySequence(Qt::Key_F11), window);
    connect(key, &QShortcut::activated, this, &WindowMode::toggle);
}

QSize WindowMode::minimumSize()
{
    return QSize(640, 384);
}

QRect WindowMode::firstNormalGeometry(const QRect &available)
{
    QRect geometry(QPoint(0, 0), (available.size() * 4 / 5).expandedTo(minimumSize()).boundedTo(available.size()));
    geometry.moveCenter(available.center());
    return geometry;
}

void WindowMode::toggle()
{
    if (m_window->isFullScreen()) {
        m_window->showNormal();
        // Started full screen, the window has no normal size of its own yet.
        m_window->setGeometry(m_normalGeometry.isValid()
                                  ? m_normalGeometry
                                  : firstNormalGeometry(m_window->screen()->availableGeometry()));
    } else {
        m_normalGeometry = m_window->geometry();
        m_window->showFullScreen();
    }
}

void WindowMode::applyOrientation(int choice)
{
    // Qt 5 has no orientation lock attributes; tell the window system instead,
    // which a handset honours and a desktop ignores.
    m_orientation = choice == 0 ? Qt::PortraitOrientation
        : choice == 1           ? Qt::LandscapeOrientation
                                : Qt::PrimaryOrientation;
    if (QWindow *window = m_window->windowHandle())
        window->reportContentOrientationChange(m_orientation);
}
