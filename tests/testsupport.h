#pragma once

#include "rulesupport.h"

#include "MainWindow.h"

#include <QPointF>
#include <QSize>

class QQuickItem;
class QQuickWidget;

namespace TestSupport {

// Application name, version, resource bundle and QML types as the program
// sets them. Call first in initTestCase().
void initApplication();

// The window as the window tests start it: a screen of the given size, in
// the data location the test set up, shown and exposed (or also active, or
// left hidden).
class TestWindow : public MainWindow
{
public:
    enum Showing { Shown, Active, Hidden };
    explicit TestWindow(QSize size = QSize(800, 480), Showing showing = Shown);

    // The page's items; a page other than a game's is loaded first.
    QQuickItem *root(Page page) const;
    QQuickItem *item(Page page, const QString &objectName) const;
    // A real click on the page's item of that objectName; false when there is none.
    bool tap(Page page, const QString &objectName);
};

// A page's "qtRecorder" without sound: set() says what it shows, calls
// what it was asked ("open", "toggle <dictionary>/<word>", "cancel").
class FakeRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool recording MEMBER m_recording NOTIFY recordingChanged)
    Q_PROPERTY(qreal level MEMBER m_level NOTIFY levelChanged)
    Q_PROPERTY(bool microphone MEMBER m_microphone NOTIFY microphoneChanged)
    Q_PROPERTY(QString message MEMBER m_message NOTIFY messageChanged)

public:
    void set(bool recording, bool microphone = true, const QString &message = QString());
    Q_INVOKABLE void open() { calls << "open"; }
    Q_INVOKABLE void toggle(const QString &dictionary, const QString &word)
    {
        calls << "toggle " + dictionary + "/" + word;
        // As the recorder does, the last message goes before a take begins.
        if (!m_recording && !m_message.isEmpty()) {
            m_message.clear();
            emit messageChanged();
        }
        set(!m_recording);
    }
    Q_INVOKABLE void cancel()
    {
        calls << "cancel";
        set(false);
    }
    QStringList calls;

signals:
    void recordingChanged();
    void levelChanged();
    void microphoneChanged();
    void messageChanged();

private:
    bool m_recording = false;
    qreal m_level = 0.5;
    bool m_microphone = true;
    QString m_message;
};

// With VOCALUNE_SCREENSHOT_DIR set to a folder, saves the view there as name.png.
void screenshot(QQuickWidget *view, const QString &name);

// The window sizes the tests draw the pages at: the smallest the program
// allows, short and tall ones, a handset's and full HD.
QList<QSize> windowSizes();
// The same, as rows of a QSize column "size".
void addWindowSizeRows();

// The messages logged while it lives. The sound player writes a debug line
// with the path of each recording it plays; a view's warning (a failed
// binding, a picture that cannot load) is a fault.
class MessageLog
{
public:
    // A warning counts when its text or its file names one of warningsOf.
    explicit MessageLog(const QStringList &warningsOf = {QStringLiteral("qrc:/qml/")});
    ~MessageLog();
    void clear();

    QStringList debugLines;
    QStringList warnings;
    QStringList warningsOf;
};

// How often the recording at path was played while the newest MessageLog lived.
int timesPlayed(const QString &path);

// Answers the next modal text dialog that opens (for instance the window's
// top-ten name prompt): types text and presses OK, or presses Cancel.
void answerNextPrompt(const QString &text, bool accept = true);
// How many prompts have been answered through answerNextPrompt since start.
int answeredPrompts();

// The first item below root (root included) whose objectName is name.
QQuickItem *findItem(QQuickItem *root, const QString &objectName);
// The first item below root whose "text" or "buttonText" property is text.
QQuickItem *findItemByText(QQuickItem *root, const QString &text);
// What is wrong with the first rows of an end panel's top-ten list: a place,
// name or score that is elided or wider than its column, one that runs into
// the column before it, a row that runs off the panel, or rows of different
// text sizes. Empty when the rows show whole at one size.
QString topTenLayoutFault(QQuickItem *panel, int rows);
// What keeps a text item from showing word whole: another text, cut or
// elided, painted outside its box, or (for a word of up to twelve characters)
// shrunk below the item's own font size. Empty when the word shows whole.
QString wordFitFault(QQuickItem *text, const QString &word);
// What a player would see wrong on a page (root and all it shows): a picture
// drawn out of its shape; a text cut, elided, larger than its box or out of
// the window; two texts that overlap; a text on a button or tile not its own;
// a button or tile out of the window or over another; a picture over a text,
// button or tile. What an opaque panel or card hides counts as not shown.
// Two decorations overlap by design: the main menu's owl perches on
// Continue, and a text may sit on the owl-on-a-branch picture only inside
// its speech bubble. Empty when all is well.
QString layoutFault(QQuickItem *root);
// The longest bundled words of up to twelve characters, and longer ones as
// an imported set may have (up to 24).
QStringList longWords();
// Centre of item in the widget's coordinates.
QPointF centreInView(QQuickItem *item);
// A real mouse click on the widget at the centre of item.
void tap(QQuickWidget *view, QQuickItem *item);
// Clicks the view's item of that objectName; false when there is none.
bool tapNamed(QQuickWidget *view, const QString &objectName);
// Presses at from, moves there in steps with the button held, releases at to.
void drag(QQuickWidget *view, QPoint from, QPoint to, int steps = 20);
// Presses and moves with the button held, without releasing.
void pressAndMove(QQuickWidget *view, QPoint from, QPoint to, int steps = 20);
void release(QQuickWidget *view, QPoint at);

} // namespace TestSupport
