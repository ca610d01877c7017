#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;

// Modal dialog "FCutLLInput": the two corners of a rectangle typed as coordinates, each converted to
// a decimal degree text at every keystroke. Its entries stay from one use to the next.
class TFCutLLInput final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFCutLLInput)
  public:
    explicit TFCutLLInput(QWidget* parent = nullptr);

    // Lower-left latitude, lower-left longitude, upper-right latitude, upper-right longitude.
    QStringList Outputs() const;

  private:
    struct Corner {
        QLineEdit* entry;
        QLineEdit* output;
    };

    QWidget* CornerGroup(const QString& title, const QString& corner, const QString& where, Corner& lat,
                         Corner& lon);
    void EntryChanged(const Corner& corner);
    void OKClick();

    Corner lowerLeftLat_{};
    Corner lowerLeftLon_{};
    Corner upperRightLat_{};
    Corner upperRightLon_{};
};
