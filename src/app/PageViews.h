#pragma once

#include <QHash>
#include <QVector>

class QByteArray;
class QSize;
class QObject;
class QQmlComponent;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;
class QStackedWidget;
class QString;
class QVariant;

// The pages' QML views in one engine, one for each row of the page table:
// per page a view on a page of the stack, a context for the page's
// properties and the component compiled once from its source.
class PageViews
{
public:
    PageViews(QQmlEngine *engine, QStackedWidget *stack);
    // The views go before the contexts their bindings read.
    ~PageViews();
    PageViews(const PageViews &) = delete;
    PageViews &operator=(const PageViews &) = delete;

    QQuickWidget *view(int page) const { return m_views.value(page); }
    QQmlContext *context(int page) const { return m_contexts.value(page); }

    // Every view at once: a view would follow its page's root only at the
    // next turn of the event loop, and a tap before that must already land
    // on the new layout.
    void resize(const QSize &size);

    // Creates the page's items afresh in its context and returns their root.
    QObject *load(int page);

    // Gives the keyboard to the page's view and, inside it, to the page's first
    // item (see PageRow::firstFocus), so no page needs a click before keys work.
    void focus(int page);

    // Lists of native objects reach the views as a QVariant holding a copy of the list.
    void publish(int page, const QString &name, const QVariant &value);
    // Hands each page the objects its row names, by their context names.
    void handOver(const QHash<QByteArray, QObject *> &objects);

    // Tells a page that saves whether its last save failed; it says so while
    // it stays open.
    void setSaveFailed(int page, bool failed);

private:
    QQmlEngine *m_engine;
    QVector<QQuickWidget *> m_views;
    QVector<QQmlContext *> m_contexts;
    QVector<QQmlComponent *> m_components;
};
