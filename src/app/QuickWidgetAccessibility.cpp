#include "QuickWidgetAccessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>

namespace {

// The offscreen scene of each exposed view.
QHash<QQuickWindow *, QPointer<QQuickWidget>> &exposedViews()
{
    static QHash<QQuickWindow *, QPointer<QQuickWidget>> views;
    return views;
}

QQuickWidget *viewOf(QObject *scene)
{
    auto *window = qobject_cast<QQuickWindow *>(scene);
    return window ? exposedViews().value(window).data() : nullptr;
}

bool isExposed(QObject *view)
{
    for (const auto &exposed : qAsConst(exposedViews())) {
        if (exposed == view)
            return true;
    }
    return false;
}

// The items a screen reader sees below item: its accessible children, and
// for a child that is only layout, that child's own, in the same order as
// Qt Quick lists an item's children.
void collectAccessible(QQuickItem *item, QList<QQuickItem *> *found)
{
    const auto children = item->childItems();
    for (QQuickItem *child : children) {
        if (QAccessible::queryAccessibleInterface(child))
            found->append(child);
        else
            collectAccessible(child, found);
    }
}

// The view's scene: one pane under the view holding the page's items. The
// items name it as their parent, so it answers for the view in the tree.
class SceneInterface : public QAccessibleObject
{
public:
    explicit SceneInterface(QQuickWindow *scene)
        : QAccessibleObject(scene)
    {
    }

    QQuickWindow *scene() const { return static_cast<QQuickWindow *>(object()); }

    QList<QQuickItem *> items() const
    {
        QList<QQuickItem *> found;
        collectAccessible(scene()->contentItem(), &found);
        return found;
    }

    QAccessibleInterface *parent() const override
    {
        QQuickWidget *view = viewOf(scene());
        return view ? QAccessible::queryAccessibleInterface(view) : nullptr;
    }
    int childCount() const override { return items().size(); }
    QAccessibleInterface *child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(items().value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? items().indexOf(qobject_cast<QQuickItem *>(child->object())) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (QQuickItem *item : items()) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(item);
            if (face && !face->state().invisible && face->rect().contains(x, y))
                return face;
        }
        return nullptr;
    }
    QAccessible::Role role() const override { return QAccessible::Pane; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        QQuickWidget *view = viewOf(scene());
        state.invisible = !view || !view->isVisible();
        return state;
    }
    QString text(QAccessible::Text) const override { return QString(); }
    QRect rect() const override
    {
        QQuickWidget *view = viewOf(scene());
        return view ? QRect(view->mapToGlobal(QPoint(0, 0)), view->size()) : QRect();
    }
};

// The view itself: a widget whose one child is its scene.
class ViewInterface : public QAccessibleWidget
{
public:
    explicit ViewInterface(QQuickWidget *view)
        : QAccessibleWidget(view, QAccessible::Client)
    {
    }

    QQuickWidget *view() const { return static_cast<QQuickWidget *>(widget()); }

    int childCount() const override { return view()->rootObject() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && view()->rootObject() ? QAccessible::queryAccessibleInterface(view()->quickWindow())
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == view()->quickWindow() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *scene = child(0);
        return scene && scene->rect().contains(x, y) ? scene : nullptr;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QQuickWidget") && isExposed(object))
        return new ViewInterface(static_cast<QQuickWidget *>(object));
    if (className == QLatin1String("QQuickWindow") && viewOf(object))
        return new SceneInterface(static_cast<QQuickWindow *>(object));
    return nullptr;
}

// Qt moves a view's scene along only when the view moves inside its parent;
// a moved or newly shown window leaves it behind, and the items' screen
// rectangles with it.
class PositionFollower : public QObject
{
public:
    using QObject::QObject;

    static void follow(QQuickWidget *view)
    {
        if (view->quickWindow())
            view->quickWindow()->setPosition(view->mapToGlobal(QPoint(0, 0)));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            for (const auto &view : qAsConst(exposedViews())) {
                if (view && view->window() == watched)
                    follow(view);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

PositionFollower *follower()
{
    static auto *instance = new PositionFollower;
    return instance;
}

} // namespace

namespace QuickWidgetAccessibility {

void install()
{
    // Qt asks the latest factory first; ours must come before Qt Quick's,
    // which otherwise calls the scene a window of its own.
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void expose(QQuickWidget *view)
{
    if (!view || !view->quickWindow())
        return;
    QQuickWindow *scene = view->quickWindow();
    exposedViews().insert(scene, view);
    QObject::connect(scene, &QObject::destroyed, [scene] { exposedViews().remove(scene); });
    view->window()->installEventFilter(follower());
}

} // namespace QuickWidgetAccessibility
