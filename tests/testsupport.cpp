#include "testsupport.h"

#include "Resources.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QMouseEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QResource>
#include <QTest>
#include <QTimer>

namespace TestSupport {

static int s_answeredPrompts = 0;

void initApplication()
{
    initCoreApplication();
    Vocalune::initResources();
}

TestWindow::TestWindow(QSize size, Showing showing)
    : MainWindow(QRect(QPoint(0, 0), size))
{
    if (showing == Hidden)
        return;
    show();
    if (showing == Active) {
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
}

QQuickItem *TestWindow::root(Page page) const
{
    return view(page)->rootObject();
}

QQuickItem *TestWindow::item(Page page, const QString &objectName) const
{
    return findItem(root(page), objectName);
}

bool TestWindow::tap(Page page, const QString &objectName)
{
    return tapNamed(view(page), objectName);
}

void FakeRecorder::set(bool recording, bool microphone, const QString &message)
{
    m_recording = recording;
    m_microphone = microphone;
    m_message = message;
    emit recordingChanged();
    emit microphoneChanged();
    emit messageChanged();
}

void screenshot(QQuickWidget *view, const QString &name)
{
    const QString dir = qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QTest::qWait(50);
    view->grabFramebuffer().save(dir + "/" + name + ".png");
}

QList<QSize> windowSizes()
{
    return {QSize(640, 384), QSize(700, 420), QSize(800, 480), QSize(700, 1000), QSize(640, 1200), QSize(1920, 1080)};
}

void addWindowSizeRows()
{
    QTest::addColumn<QSize>("size");
    for (const QSize size : windowSizes())
        QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size;
}

static MessageLog *s_log = nullptr;
static QtMessageHandler s_previousHandler = nullptr;

static void logMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg) {
        s_log->debugLines << message;
    } else if (type != QtInfoMsg) {
        const QString file = QString::fromLatin1(context.file ? context.file : "");
        for (const QString &source : qAsConst(s_log->warningsOf)) {
            if (message.contains(source) || file.contains(source)) {
                s_log->warnings << message;
                break;
            }
        }
    }
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

MessageLog::MessageLog(const QStringList &warningsOf)
    : warningsOf(warningsOf)
{
    s_log = this;
    s_previousHandler = qInstallMessageHandler(logMessage);
}

MessageLog::~MessageLog()
{
    qInstallMessageHandler(s_previousHandler);
    s_log = nullptr;
}

void MessageLog::clear()
{
    debugLines.clear();
    warnings.clear();
}

int timesPlayed(const QString &path)
{
    int times = 0;
    for (const QString &line : s_log ? qAsConst(s_log->debugLines) : QStringList())
        times += line.contains(path) ? 1 : 0;
    return times;
}

static void answerWhenOpen(const QString &text, bool accept, int attemptsLeft)
{
    auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    if (!dialog) {
        if (attemptsLeft > 0)
            QTimer::singleShot(10, [=] { answerWhenOpen(text, accept, attemptsLeft - 1); });
        return;
    }
    ++s_answeredPrompts;
    if (accept) {
        dialog->setTextValue(text);
        dialog->accept();
    } else {
        dialog->reject();
    }
}

void answerNextPrompt(const QString &text, bool accept)
{
    QTimer::singleShot(0, [=] { answerWhenOpen(text, accept, 500); });
}

int answeredPrompts()
{
    return s_answeredPrompts;
}

QQuickItem *findItem(QQuickItem *root, const QString &objectName)
{
    if (!root)
        return nullptr;
    if (root->objectName() == objectName)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, objectName))
            return found;
    }
    return nullptr;
}

QQuickItem *findItemByText(QQuickItem *root, const QString &text)
{
    if (!root)
        return nullptr;
    for (const char *name : {"buttonText", "text"}) {
        const QVariant value = root->property(name);
        if (value.isValid() && value.toString() == text)
            return root;
    }
    const auto children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItemByText(child, text))
            return found;
    }
    return nullptr;
}

QString topTenLayoutFault(QQuickItem *panel, int rows)
{
    const qreal panelRight = panel->mapToScene(QPointF(panel->width(), 0)).x();
    qreal lineHeight = -1;
    for (int row = 0; row < rows; ++row) {
        qreal previousRight = panel->mapToScene(QPointF(0, 0)).x();
        for (const char *column : {"topPlace", "topPlayer", "topScore"}) {
            const QString name = QString::fromLatin1(column) + QString::number(row);
            QQuickItem *text = findItem(panel, name);
            if (!text)
                return name + " is missing";
            if (text->property("truncated").toBool())
                return name + " is elided";
            // One text size for the whole list.
            const qreal line = text->property("paintedHeight").toReal();
            if (lineHeight >= 0 && qAbs(line - lineHeight) > 0.5)
                return QString("%1 is %2 pixels high, topPlace0 %3").arg(name).arg(line).arg(lineHeight);
            lineHeight = lineHeight < 0 ? line : lineHeight;
            const qreal painted = text->property("paintedWidth").toReal();
            if (painted > text->width())
                return QString("%1 needs %2 pixels, its column has %3").arg(name).arg(painted).arg(text->width());
            // Texts are left-aligned: the painted part starts at the item's left edge.
            const qreal left = text->mapToScene(QPointF(0, 0)).x();
            if (left < previousRight)
                return name + " runs into the column before it";
            previousRight = left + painted;
        }
        if (previousRight > panelRight)
            return QString("row %1 runs off the panel").arg(row);
    }
    return QString();
}

QPointF centreInView(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

void tap(QQuickWidget *view, QQuickItem *item)
{
    QVERIFY(view);
    QVERIFY(item);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centreInView(item).toPoint());
}

bool tapNamed(QQuickWidget *view, const QString &objectName)
{
    QQuickItem *item = findItem(view->rootObject(), objectName);
    if (!item)
        return false;
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centreInView(item).toPoint());
    return true;
}

static void sendMouse(QQuickWidget *view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void pressAndMove(QQuickWidget *view, QPoint from, QPoint to, int steps)
{
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        sendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
}

void release(QQuickWidget *view, QPoint at)
{
    sendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void drag(QQuickWidget *view, QPoint from, QPoint to, int steps)
{
    pressAndMove(view, from, to, steps);
    release(view, to);
}

QString wordFitFault(QQuickItem *text, const QString &word)
{
    if (!text)
        return QStringLiteral("no text item");
    if (text->property("text").toString() != word)
        return QStringLiteral("shows %1").arg(text->property("text").toString());
    const QString where = QStringLiteral("\"%1\" in %2x%3: ").arg(word).arg(text->width()).arg(text->height());
    if (text->property("truncated").toBool() || text->property("elide").toInt() != Qt::ElideNone)
        return where + QStringLiteral("cut");
    if (text->property("paintedWidth").toReal() > text->width() + 0.5)
        return where + QStringLiteral("%1 wide").arg(text->property("paintedWidth").toReal());
    if (text->property("paintedHeight").toReal() > text->height() + 0.5)
        return where + QStringLiteral("%1 high").arg(text->property("paintedHeight").toReal());
    const QFont font = text->property("font").value<QFont>();
    if (word.size() <= 12 && QFontMetricsF(font).horizontalAdvance(word) > text->width())
        return where + QStringLiteral("smaller than %1 px").arg(font.pixelSize());
    return QString();
}

namespace {

// An item as the player sees it: what is painted, in the window's
// coordinates, cut to the scrolling views around it; what is wrong with it alone.
struct Shown
{
    enum Kind { Text, Picture, Control, Cover };
    QQuickItem *item;
    Kind kind;
    QRectF painted;
    QRectF seen;
    bool inControl;
    QString fault;
};

// Where a text or picture's painted part lies in its own box, by its alignment.
QRectF paintedPart(QQuickItem *item)
{
    const qreal left = item->property("leftPadding").toReal(), top = item->property("topPadding").toReal();
    const qreal width = item->width() - left - item->property("rightPadding").toReal();
    const qreal height = item->height() - top - item->property("bottomPadding").toReal();
    const QSizeF size(item->property("paintedWidth").toReal(), item->property("paintedHeight").toReal());
    const QVariant effective = item->property("effectiveHorizontalAlignment");
    const int across = (effective.isValid() ? effective : item->property("horizontalAlignment")).toInt();
    const int down = item->property("verticalAlignment").toInt();
    const qreal x = across & Qt::AlignRight ? 1 : across & Qt::AlignHCenter ? 0.5 : 0;
    const qreal y = down & Qt::AlignBottom ? 1 : down & Qt::AlignVCenter ? 0.5 : 0;
    return QRectF(QPointF(left + (width - size.width()) * x, top + (height - size.height()) * y), size);
}

QString nameOf(QQuickItem *item)
{
    const QString text = item->property("text").toString();
    const QString name = item->objectName().isEmpty() ? QString::fromLatin1(item->metaObject()->className())
                                                      : item->objectName();
    return text.isEmpty() ? name : QString("%1 \"%2\"").arg(name, text);
}

// What is wrong with a text or picture alone: cut, larger than its box, not
// loaded, or (only a stretched picture can be) out of its picture's shape.
QString faultOf(QQuickItem *item, bool text)
{
    const QRectF own = paintedPart(item);
    const QString size = QString("%1x%2").arg(own.width()).arg(own.height());
    if (text && item->property("truncated").toBool())
        return nameOf(item) + " is cut";
    if (text
        && (own.left() < -0.5 || own.top() < -0.5 || own.right() > item->width() + 0.5
            || own.bottom() > item->height() + 0.5))
        return QString("%1 needs %2 in a box of %3x%4").arg(nameOf(item), size).arg(item->width()).arg(item->height());
    if (text)
        return QString();
    const QSizeF source(item->implicitWidth(), item->implicitHeight());
    if (item->property("status").toInt() != 1)
        return nameOf(item) + " has not loaded";
    if (item->property("fillMode").toInt() == 0 && qMin(own.width(), own.height()) >= 4 && !source.isEmpty()
        && qAbs(own.width() / own.height() * source.height() / source.width() - 1)
            > 0.02 + 1 / qMin(own.width(), own.height()))
        return QString("%1 is drawn %2 from a picture of %3x%4")
            .arg(nameOf(item), size)
            .arg(source.width())
            .arg(source.height());
    return QString();
}

// Every shown item below item, in the order they are painted. clip is where
// the scrolling views around it show anything, null where none clips.
void collect(QQuickItem *item, QRectF clip, qreal opacity, bool inControl, QList<Shown> *shown)
{
    opacity *= item->opacity();
    if (!item->isVisible() || opacity <= 0)
        return;
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const bool control = item->metaObject()->indexOfProperty("buttonHeigth") >= 0
        || item->metaObject()->indexOfProperty("frameColor") >= 0;
    const bool text = item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty();
    const bool picture = item->inherits("QQuickImage") && item->property("status").toInt() != 0;
    const bool cover = item->inherits("QQuickRectangle") && opacity > 0.99
        && item->property("color").value<QColor>().alpha() == 255;
    const QRectF painted = text || picture ? item->mapRectToScene(paintedPart(item)) : box;
    const QRectF seen = clip.isNull() ? painted : painted & clip;
    if (!seen.isEmpty() && (text || control || cover || picture))
        shown->append({item,
                       text          ? Shown::Text
                           : control ? Shown::Control
                           : picture ? Shown::Picture
                                     : Shown::Cover,
                       painted, seen, inControl, text || picture ? faultOf(item, text) : QString()});
    if (item->clip())
        clip = clip.isNull() ? box : clip & box;
    QList<QQuickItem *> children = item->childItems();
    std::stable_sort(children.begin(), children.end(), [](QQuickItem *a, QQuickItem *b) { return a->z() < b->z(); });
    for (QQuickItem *child : children)
        collect(child, clip, opacity, inControl || control, shown);
}

bool related(const Shown &a, const Shown &b)
{
    return a.item == b.item || a.item->isAncestorOf(b.item) || b.item->isAncestorOf(a.item);
}

// Whether area of earlier is hidden by an opaque face painted after it that
// belongs to neither earlier nor later (a card, a panel, a badge's face; not
// a button's or tile's, whose overlaps are faults of their own).
bool hidden(const QList<Shown> &shown, int earlier, int later, const QRectF &area)
{
    for (int k = earlier + 1; k < shown.size(); ++k) {
        const Shown &face = shown[k];
        if (face.kind == Shown::Cover && !face.inControl && face.seen.contains(area) && !related(face, shown[earlier])
            && (later < 0 || (face.item != shown[later].item && !shown[later].item->isAncestorOf(face.item))))
            return true;
    }
    return false;
}

// The owl-on-a-branch picture's speech bubble, inside its frame, as shares of the picture.
QRectF bubbleOf(const Shown &owl)
{
    const QRectF r = owl.painted;
    return QRectF(r.x() + r.width() * 130 / 423, r.y() + r.height() * 44 / 480, r.width() * 264 / 423,
                  r.height() * 130 / 480);
}

// Why a picture may lie over text or a control: by design, or a fault.
QString pictureOverlap(const Shown &picture, const Shown &other)
{
    const QString over = nameOf(picture.item) + " lies over " + nameOf(other.item);
    for (QQuickItem *up = other.item; up; up = up->parentItem()) {
        if (picture.item->objectName() == "owl" && up->objectName() == "continueButton")
            return QString();
    }
    if (picture.item->property("source").toString().endsWith("pollo_puussa.png") && other.kind == Shown::Text)
        return bubbleOf(picture).contains(other.seen) ? QString() : over + ", outside the speech bubble";
    return over;
}

} // namespace

QString layoutFault(QQuickItem *root)
{
    QList<Shown> shown;
    const QRectF window(0, 0, root->width(), root->height());
    collect(root, QRectF(), 1, false, &shown);
    for (int i = 0; i < shown.size(); ++i) {
        const Shown &a = shown[i];
        if (a.kind == Shown::Cover || hidden(shown, i, -1, a.seen))
            continue;
        if (!a.fault.isEmpty())
            return a.fault;
        if (!window.adjusted(-0.5, -0.5, 0.5, 0.5).contains(a.seen))
            return nameOf(a.item) + " runs out of the window";
        // A picture in a tile or button belongs to it and is judged with it.
        if (a.kind == Shown::Picture && a.inControl)
            continue;
        for (int j = i + 1; j < shown.size(); ++j) {
            const Shown &b = shown[j];
            const QRectF both = a.seen & b.seen;
            if (b.kind == Shown::Cover || (b.kind == Shown::Picture && (b.inControl || a.kind == Shown::Picture))
                || both.width() <= 1 || both.height() <= 1 || related(a, b) || hidden(shown, i, j, both))
                continue;
            const bool aPicture = a.kind == Shown::Picture;
            const QString why = aPicture || b.kind == Shown::Picture
                ? pictureOverlap(aPicture ? a : b, aPicture ? b : a)
                : nameOf(a.item) + " overlaps " + nameOf(b.item);
            if (!why.isEmpty())
                return why;
        }
    }
    return QString();
}

QStringList longWords()
{
    return {QStringLiteral("Fire engine"),
            QStringLiteral("Watermelon"),
            QStringLiteral("Hippopotamus"),
            QStringLiteral("Refrigerator"),
            QStringLiteral("Tyrannosaurus"),
            QStringLiteral("Chocolate birthday cakes"),
            QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMM")};
}

} // namespace TestSupport
