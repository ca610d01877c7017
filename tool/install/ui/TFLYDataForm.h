#pragma once

#include <QWidget>

// Puts the simulator's "data" folder aside before slicing and brings it back afterwards.
class TFLYDataForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFLYDataForm)
  public:
    explicit TFLYDataForm(QWidget* parent = nullptr);

    void SaveClick();
    void RestoreClick();

  private:
    QWidget* BuildGroup(const char* name, const char* labelName, const QString& title, const QString& text,
                        QWidget* button);
};
