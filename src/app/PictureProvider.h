#pragma once

#include <QQuickImageProvider>

// Serves the vocabulary pictures to the views already scaled to the size a
// tile asks for, decoding each picture once per size for the whole program.
// Qt Quick's own cache keeps only a handful of released pictures, so without
// this every new round decoded most of its ten pictures again. When a tile
// asks for a picture at a new size, the other pictures of its dictionary are
// decoded at that size in the background, so that a new round does not wait
// for its pictures.
class PictureProvider : public QQuickImageProvider
{
public:
    PictureProvider();
    ~PictureProvider() override;

    // id is a resource path without its leading ":/", e.g. "png/Animals/Cat.png";
    // "png/Animals/Cat.png?alone" asks for one picture, with nothing decoded ahead.
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The provider's name in the views' "image://" addresses.
    static const char *name();
    // Forgets every decoded picture.
    static void clear();
    static int cachedCount();
    // Decoding ahead is on unless switched off (tests that count decodes).
    static void setPrefetching(bool on);
    static void waitForPrefetch();
};
