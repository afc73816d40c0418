import QtQuick 2.15
import "."

// The root of every page and panel: the gradient over the whole window.
Rectangle {
    gradient: Gradient {
        GradientStop { position: 0.0; color: Theme.gradientTop }
        GradientStop { position: 1.0; color: Theme.gradientBottom }
    }
}
