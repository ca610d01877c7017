#pragma once

#include <QDialog>

class QPlainTextEdit;

// The plain help text window. The window that shows it fills in its text first.
class THelpForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelpForm)
public:
    explicit THelpForm(QWidget* parent = nullptr);
    ~THelpForm() override;

    // The one help window of the tool (the first created), or nullptr before it exists.
    static THelpForm* Shared();

    void SetHelpText(const QString& text);
    QString HelpText() const;

private:
    void FitToText(const QString& text);

    QPlainTextEdit* memo_;
};
