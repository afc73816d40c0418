#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// The window's two modes: full screen, as the game starts, and a normal
// window a parent can move and resize. F11 switches between them. It also
// tells the window system which orientation the pages are laid out for.
class WindowMode : public QObject
{
    Q_OBJECT

public:
    // Sets the window's smallest size (within the screen's) and its F11 key.
    WindowMode(QWidget *window, const QSize &screen);

    // The smallest window the pages still fit in.
    static QSize minimumSize();
    // The normal window first shown when leaving full screen: 80% of the
    // screen's free area, centred on it.
    static QRect firstNormalGeometry(const QRect &available);

    // Locks the orientation: 0 portrait, 1 landscape, anything else follows the device.
    void applyOrientation(int choice);
    Qt::ScreenOrientation requestedOrientation() const { return m_orientation; }

public slots:
    void toggle();

private:
    QWidget *m_window;
    QRect m_normalGeometry;
    Qt::ScreenOrientation m_orientation = Qt::PrimaryOrientation;
};
