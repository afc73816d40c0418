#include "PageViews.h"

#include <QDebug>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QStackedWidget>

PageViews::PageViews(QQmlEngine *engine, QStackedWidget *stack, const QList<QUrl> &sources)
    : m_engine(engine)
    , m_sources(sources)
    , m_components(sources.size(), nullptr)
{
    for (int page = 0; page < sources.size(); ++page) {
        m_views << new QQuickWidget(engine, stack->widget(page));
        m_contexts << new QQmlContext(engine);
    }
}

PageViews::~PageViews()
{
    qDeleteAll(m_views);
    qDeleteAll(m_contexts);
}

// Each view keeps one component for its source, so a game page compiles once
// and then only creates its items at every start.
QObject *PageViews::load(int page)
{
    QQuickWidget *widget = m_views[page];
    QQmlComponent *&component = m_components[page];
    if (!component)
        component = new QQmlComponent(m_engine, m_sources[page], QQmlComponent::PreferSynchronous, widget);
    delete widget->rootObject();
    QObject *root = component->create(m_contexts[page]);
    if (!root)
        qWarning() << component->errors();
    widget->setContent(m_sources[page], component, root);
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
    QQuickItem *first = root->property("firstFocus").value<QQuickItem *>();
    if (first && first->isVisible() && first->isEnabled()) {
        first->forceActiveFocus(Qt::OtherFocusReason);
        return;
    }
    QQuickItem *held = view->quickWindow()->contentItem()->scopedFocusItem();
    if (!held || (held != root && !root->isAncestorOf(held)))
        root->forceActiveFocus(Qt::OtherFocusReason);
}

void PageViews::publish(int page, const char *name, QObject *object)
{
    m_contexts[page]->setContextProperty(QLatin1String(name), QVariant::fromValue(object));
}

void PageViews::publish(int page, const char *name, const QList<QObject *> &list)
{
    static const int registered = qRegisterMetaType<QList<QObject *>>("QList<QObject*>");
    Q_UNUSED(registered);
    m_contexts[page]->setContextProperty(QLatin1String(name), QVariant::fromValue(list));
}
