import QtQuick 2.15

// The least a page can be: one gradient rectangle.
Rectangle {
    width: 800
    height: 480
    gradient: Gradient {
        GradientStop { position: 0.0; color: "#00ffe2" }
        GradientStop { position: 1.0; color: "#0084ff" }
    }
}
