#include "slicer/ui/TFCutLLInput.h"

#include "shell/Dialogs.h"
#include "slicer/Coordinates.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFCutLLInput::TFCutLLInput(QWidget* parent) : QDialog(parent) {
    setObjectName("TFCutLLInput");
    setWindowTitle(QStringLiteral("FCutLLInput"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(TFCutLLInput::tr("X 99 99 9.99 ou  X99 99 9.99 ou X 99.999999 ou X99.99999")));
    layout->addWidget(new QLabel(TFCutLLInput::tr("Formats: X = [N] ou [S] ou [E] ou [W] ou [+] ou [-]")));
    auto* heading = new QLabel(TFCutLLInput::tr("  Entrez les coordonnées WGS  "));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    layout->addWidget(CornerGroup(TFCutLLInput::tr("     C1: Bas && Gauche"), QStringLiteral("C1"),
                                  TFCutLLInput::tr("bas gauche"), lowerLeftLat_, lowerLeftLon_));
    layout->addWidget(CornerGroup(TFCutLLInput::tr("     C3: Haut && Droite"), QStringLiteral("C3"),
                                  TFCutLLInput::tr("haut droite"), upperRightLat_, upperRightLon_));

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(TFCutLLInput::tr("OK - utiliser ces valeurs"));
    ok->setObjectName("BtnOK");
    auto* exit = new QPushButton(TFCutLLInput::tr("Sortie - Pas de valeurs valides"));
    exit->setObjectName("BtnExit");
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TFCutLLInput::OKClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TFCutLLInput::CornerGroup(const QString& title, const QString& corner, const QString& where,
                                   Corner& lat, Corner& lon) {
    auto* group = new QGroupBox(title); // "&&" shows one "&"
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(TFCutLLInput::tr("Sortie Lat - Lon ")), 0, 2);
    const auto addRow = [&](int row, const QString& axis, const QString& word, Corner& c) {
        c.entry = new QLineEdit;
        c.entry->setObjectName("Edit" + corner + axis);
        c.entry->setAccessibleName(word + " " + where);
        c.output = new QLineEdit;
        c.output->setObjectName("Out" + corner + axis);
        c.output->setAccessibleName(tr("Sortie %1 %2").arg(word, where));
        c.output->setReadOnly(true);
        const int width =
            c.output->fontMetrics().horizontalAdvance(QStringLiteral("-000.000000000000000000")) + 16;
        c.entry->setMinimumWidth(width);
        c.output->setMinimumWidth(width);
        auto* label = new QLabel(axis);
        label->setBuddy(c.entry);
        grid->addWidget(label, row, 0);
        grid->addWidget(c.entry, row, 1);
        grid->addWidget(c.output, row, 2);
        connect(c.entry, &QLineEdit::textChanged, this, [this, &c] { EntryChanged(c); });
    };
    addRow(1, QStringLiteral("Lat"), tr("Latitude"), lat);
    addRow(2, QStringLiteral("Lon"), tr("Longitude"), lon);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

void TFCutLLInput::EntryChanged(const Corner& corner) {
    if (const Result<long double> degrees = ReadCoordinate(corner.entry->text()); degrees)
        corner.output->setText(DecimalDegreeText(*degrees));
    else
        ShowError(degrees.failure().reason);
}

void TFCutLLInput::OKClick() {
    for (const QString& output : Outputs())
        if (output.isEmpty()) {
            ShowInfo(TFCutLLInput::tr("Valeurs valides manquantes - appuyer sur un autre bouton!"));
            return;
        }
    accept();
}

QStringList TFCutLLInput::Outputs() const {
    return {lowerLeftLat_.output->text(), lowerLeftLon_.output->text(), upperRightLat_.output->text(),
            upperRightLon_.output->text()};
}
