#include "PageViews.h"

#include "PageTable.h"

#include <QDebug>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QStackedWidget>

namespace {

const char *const SaveFailed = "saveFailed";

} // namespace

PageViews::PageViews(QQmlEngine *engine, QStackedWidget *stack)
    : m_engine(engine)
    , m_components(Pages::PageCount, nullptr)
{
    static const int registered = qRegisterMetaType<QList<QObject *>>("QList<QObject*>");
    Q_UNUSED(registered);
    for (int page = 0; page < Pages::PageCount; ++page) {
        auto *holder = new QWidget;
        holder->setObjectName(QLatin1String(PageTable::row(page).name));
        stack->addWidget(holder);
        m_views << new QQuickWidget(engine, holder);
        m_contexts << new QQmlContext(engine);
    }
}

PageViews::~PageViews()
{
    qDeleteAll(m_views);
    qDeleteAll(m_contexts);
}

void PageViews::resize(const QSize &size)
{
    for (QQuickWidget *view : qAsConst(m_views))
        view->resize(size);
}

// Each view keeps one component for its source, so a game page compiles once
// and then only creates its items at every start.
QObject *PageViews::load(int page)
{
    QQuickWidget *widget = m_views[page];
    const QUrl source(QLatin1String(PageTable::row(page).source));
    QQmlComponent *&component = m_components[page];
    if (!component)
        component = new QQmlComponent(m_engine, source, QQmlComponent::PreferSynchronous, widget);
    delete widget->rootObject();
    QObject *root = component->create(m_contexts[page]);
    if (!root)
        qWarning() << component->errors();
    widget->setContent(source, component, root);
    return root;
}

void PageViews::focus(int page)
{
    QQuickWidget *view = m_views.value(page);
    if (!view)
        return;
    view->setFocus(Qt::OtherFocusReason);
    QQuickItem *root = view->rootObject();
    if (!root)
        return;
    // A page that names its first item starts there each time it is shown;
    // any other keeps the item it last had, or at least its root.
    const char *firstFocus = PageTable::row(page).firstFocus;
    QQuickItem *first = firstFocus ? root->property(firstFocus).value<QQuickItem *>() : nullptr;
    if (first && first->isVisible() && first->isEnabled()) {
        first->forceActiveFocus(Qt::OtherFocusReason);
        return;
    }
    QQuickItem *held = view->quickWindow()->contentItem()->scopedFocusItem();
    if (!held || (held != root && !root->isAncestorOf(held)))
        root->forceActiveFocus(Qt::OtherFocusReason);
}

void PageViews::publish(int page, const QString &name, const QVariant &value)
{
    m_contexts[page]->setContextProperty(name, value);
}

void PageViews::handOver(const QHash<QByteArray, QObject *> &objects)
{
    for (int page = 0; page < Pages::PageCount; ++page) {
        for (const char *name : PageTable::row(page).context)
            publish(page, QLatin1String(name), QVariant::fromValue(objects.value(name)));
    }
}

void PageViews::setSaveFailed(int page, bool failed)
{
    QQuickItem *root = m_views[page]->rootObject();
    if (root && root->metaObject()->indexOfProperty(SaveFailed) >= 0)
        root->setProperty(SaveFailed, failed);
}
