#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Keeps a window's proportions when the user resizes it. Attached to a host
// it records the host's controls when the host first shows; on every resize
// of the host it holds a minimum size, optionally an aspect ratio, and
// rescales every recorded control from the recorded values, so repeated
// resizing never drifts. Controls placed by a layout keep the layout's
// geometry and only have their fonts rescaled. Sizes are in twips (15 to a
// pixel), as windows are designed.
class AutoResize : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool FontResizable READ fontResizable WRITE setFontResizable)
    Q_PROPERTY(bool KeepAspectRatio READ keepAspectRatio WRITE setKeepAspectRatio)
    Q_PROPERTY(double AspectRatioValue READ aspectRatioValue WRITE setAspectRatioValue)
    Q_PROPERTY(int HMin READ hMin WRITE setHMin)
    Q_PROPERTY(int WMin READ wMin WRITE setWMin)

public:
    // Owned by the host and named "Resize"; a host already on screen is
    // recorded at once.
    explicit AutoResize(QWidget* host);
    static AutoResize* attach(QWidget* host);

    // False switches off everything a resize does.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    bool fontResizable() const { return fontResizable_; }
    void setFontResizable(bool on) { fontResizable_ = on; }
    // Turning it on takes the host's present height-to-width ratio.
    bool keepAspectRatio() const { return keepAspectRatio_; }
    void setKeepAspectRatio(bool on);
    double aspectRatioValue() const { return aspectRatioValue_; }
    void setAspectRatioValue(double ratio) { aspectRatioValue_ = ratio; }
    int hMin() const { return hMin_; }
    void setHMin(int twips) { hMin_ = twips; }
    int wMin() const { return wMin_; }
    void setWMin(int twips) { wMin_ = twips; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Record {
        QPointer<QWidget> control;
        bool placed = false; // absolutely placed: its geometry is ours to scale
        QRect geometry;
        qreal fontSize = 0;
        bool pixelFont = false;
    };

    void record();
    void hostResized();
    void holdMinimum();
    void rescale();
    void scaleControls();
    QSize outerSize() const;

    QWidget* host_;
    QPointer<QWidget> surface_; // where the controls sit: the central widget of a main window
    bool enabled_ = true;
    bool fontResizable_ = true;
    bool keepAspectRatio_ = false;
    double aspectRatioValue_ = 0;
    int hMin_ = 3000;
    int wMin_ = 4800;

    bool recorded_ = false;
    QSize recordedSize_;
    std::vector<Record> records_;
    bool busy_ = false;
};
