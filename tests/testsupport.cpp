#include "testsupport.h"

#include "Resources.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QMouseEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <QTimer>

namespace TestSupport {

static int s_answeredPrompts = 0;

void initApplication()
{
    initCoreApplication();
    Vocalune::initResources();
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

static void sendMouse(QQuickWidget *view, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held)
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

QStringList longWords()
{
    return {QStringLiteral("Fire engine"), QStringLiteral("Watermelon"), QStringLiteral("Hippopotamus"),
            QStringLiteral("Refrigerator"), QStringLiteral("Tyrannosaurus"), QStringLiteral("Chocolate birthday cakes"),
            QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMM")};
}

} // namespace TestSupport
