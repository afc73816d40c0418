#pragma once

class QQuickWidget;

// Qt 5 gives a QQuickWidget no accessible children: its items live in an
// offscreen QQuickWindow outside the widget tree. This hangs that scene under
// the widget, so a screen reader that walks the window (or follows a focused
// item up to its window) finds the pages' buttons and tiles with their roles
// and names, at their places on the screen.
namespace QuickWidgetAccessibility {

// Installs the interfaces; once is enough, more calls do nothing.
void install();
// Hangs the view's scene under it and keeps the scene's screen position in
// step with the view's, for the items' on-screen rectangles.
void expose(QQuickWidget *view);

} // namespace QuickWidgetAccessibility
