#pragma once

#include <QObject>

// The player's volume and mute, kept in settings.dat. The settings page works
// in whole percents; the file and the audio output use a fraction.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double volume READ volumeProperty WRITE setVolumeProperty NOTIFY volumeChanged)
    Q_PROPERTY(bool mute READ mute WRITE setMute NOTIFY muteChanged)

public:
    explicit Settings(QObject *parent = nullptr);

    int volumePercent() const;
    bool setVolumePercent(int percent);
    double outputVolume() const;
    bool mute() const;
    void setMute(bool mute);

    void load();
    void save();

signals:
    void volumeChanged();
    void muteChanged();

private:
    double volumeProperty() const;
    void setVolumeProperty(double percent);

    // Defaults, so that a file shorter than its fields still leaves sane values.
    double m_volume = 0.5;
    bool m_mute = false;
};
