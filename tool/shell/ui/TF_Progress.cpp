#include "shell/ui/TF_Progress.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>
#include <utility>

namespace {

constexpr qint64 ShowAfterMs = 500;
constexpr int WindowWidth = 560;
constexpr int LineWidth = WindowWidth - 40; // within the layout's margins

// In the units and number format of the interface's language: octets, Ko, Mo, Go in French.
QString SizeText(qint64 bytes) {
    if (bytes < 1024)
        return TF_Progress::tr("%1 octets").arg(bytes);
    const char* const units[] = {
        QT_TRANSLATE_NOOP("TF_Progress", "%1 Ko"), QT_TRANSLATE_NOOP("TF_Progress", "%1 Mo"),
        QT_TRANSLATE_NOOP("TF_Progress", "%1 Go"), QT_TRANSLATE_NOOP("TF_Progress", "%1 To")};
    double size = double(bytes) / 1024;
    int unit = 0;
    for (; size >= 1024 && unit < 3; ++unit)
        size /= 1024;
    const QLocale numbers(TF_Progress::tr("fr", "the language whose number format sizes take"));
    return TF_Progress::tr(units[unit]).arg(numbers.toString(size, 'f', 1));
}

QLabel* InfoLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TF_Progress::TF_Progress(QWidget* owner, const QString& title, Clock clock)
    : QDialog(owner), files_(InfoLabel("LabelFiles")), bytes_(InfoLabel("LabelBytes")),
      current_(InfoLabel("LabelCurrent")), bar_(new QProgressBar), cancel_(new QPushButton(tr("Annuler"))),
      clock_(std::move(clock)) {
    setObjectName("TF_Progress");
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    bar_->setObjectName("ProgressBar");
    bar_->setAccessibleName(tr("Avancement"));
    cancel_->setObjectName("ButtonCancel");
    connect(cancel_, &QPushButton::clicked, this, &TF_Progress::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files_);
    layout->addWidget(bytes_);
    layout->addWidget(current_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    setFixedWidth(WindowWidth);
}

void TF_Progress::Start(int files, qint64 bytes) {
    allFiles_ = files;
    allBytes_ = bytes;
    bar_->setRange(0, qMax(files, 1));
    started_ = clock_();
}

qint64 TF_Progress::SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool TF_Progress::Step(const QString& file, qint64 bytes) {
    ++doneFiles_;
    doneBytes_ += currentBytes_;
    file_ = file;
    currentBytes_ = bytes;
    Refresh();
    Wait();
    return !cancelled_;
}

void TF_Progress::Wait() {
    if (!isVisible() && started_ && clock_() - *started_ >= ShowAfterMs)
        show();
    QCoreApplication::processEvents(isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void TF_Progress::reject() {
    cancelled_ = true;
    cancel_->setEnabled(false);
    current_->setText(tr("Annulation après le fichier en cours..."));
}

void TF_Progress::Refresh() {
    files_->setText(tr("Fichiers traités : %1 sur %2").arg(doneFiles_).arg(allFiles_));
    bytes_->setText(tr("Données copiées : %1 sur %2").arg(SizeText(doneBytes_), SizeText(allBytes_)));
    bar_->setValue(doneFiles_);
    if (cancelled_)
        return;
    const QString prefix = tr("Fichier en cours : ");
    const QFontMetrics metrics = current_->fontMetrics();
    current_->setText(
        prefix + metrics.elidedText(file_, Qt::ElideMiddle, LineWidth - metrics.horizontalAdvance(prefix)));
    current_->setToolTip(file_);
}
