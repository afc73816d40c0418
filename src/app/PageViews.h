#pragma once

#include <QList>
#include <QUrl>
#include <QVector>

class QObject;
class QQmlComponent;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;
class QStackedWidget;

// The pages' QML views in one engine: per page a view, a context for the
// page's properties and the component compiled once from its source.
class PageViews
{
public:
    // One view on each page of the stack, in order; sources follow the same order.
    PageViews(QQmlEngine *engine, QStackedWidget *stack, const QList<QUrl> &sources);
    // The views go before the contexts their bindings read.
    ~PageViews();
    PageViews(const PageViews &) = delete;
    PageViews &operator=(const PageViews &) = delete;

    int count() const { return m_views.size(); }
    QQuickWidget *view(int page) const { return m_views.value(page); }
    QQmlContext *context(int page) const { return m_contexts.value(page); }

    // Creates the page's items afresh in its context and returns their root.
    QObject *load(int page);

    // Gives the keyboard to the page's view and, inside it, to the page's first
    // item (its firstFocus), so no page needs a click before keys work.
    void focus(int page);

    void publish(int page, const char *name, QObject *object);
    // Lists of native objects reach the views as a QVariant holding a copy of the list.
    void publish(int page, const char *name, const QList<QObject *> &list);

private:
    QQmlEngine *m_engine;
    QList<QUrl> m_sources;
    QVector<QQuickWidget *> m_views;
    QVector<QQmlContext *> m_contexts;
    QVector<QQmlComponent *> m_components;
};
