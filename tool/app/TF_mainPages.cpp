#include "app/TF_main.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace {

// A read-only memo tall and wide enough for the lines of text.
QPlainTextEdit* Memo(const char* name, const QString& text) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setAccessibleName(QCoreApplication::translate("TF_main", "Explications"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStringList lines = text.split('\n');
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, memo->fontMetrics().horizontalAdvance(line));
    memo->setPlainText(text);
    const int margins = 2 * (memo->frameWidth() + int(memo->document()->documentMargin())) + 4;
    memo->setMinimumWidth(widest + margins);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * int(lines.size()) + margins);
    return memo;
}

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setMinimumWidth(190);
    return button;
}

QLabel* Label(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A page: its group box filled by content, pushed to the top.
QWidget* Page(const QString& caption, QLayout* content) {
    auto* group = new QGroupBox(caption);
    group->setLayout(content);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

// Memos on the left, each with its button beside it.
QGridLayout* MemoButtonGrid(std::initializer_list<std::pair<QWidget*, QWidget*>> rows) {
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [memo, button] : rows) {
        grid->addWidget(memo, row, 0);
        if (button != nullptr)
            grid->addWidget(button, row, 1, Qt::AlignTop);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return grid;
}

} // namespace

QWidget* TF_main::PagePrincipal() {
    auto* label = new QLabel(tr("Sélectionne répartoire de FLY!2 :"));
    edit3_ = new QLineEdit;
    edit3_->setObjectName("Edit3");
    edit3_->setAccessibleName(tr("Répertoire de Fly!2"));
    edit3_->setReadOnly(true);
    label->setBuddy(edit3_);
    checkBox1_ = new QCheckBox(tr("Lancer le programme ci-dessous ET FERMER FlyKestrel"));
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setChecked(true);
    checkBox2_ = new QCheckBox(tr("Efface tous les *.HST avant de lancer Fly!"));
    checkBox2_->setObjectName("CheckBox2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("Button8", tr("Démarrer FLY! 2")));
    buttons->addWidget(Button("Button9", tr("Démarrer FlySTART !")));
    buttons->addWidget(Button("Button14", tr("Lancer fly2slice")));

    auto* layout = new QVBoxLayout;
    layout->addWidget(label);
    layout->addWidget(edit3_);
    layout->addSpacing(8);
    layout->addWidget(checkBox1_);
    layout->addWidget(checkBox2_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addSpacing(8);
    layout->addWidget(Memo(
        "Memo1", tr("Démarrer Fly!2 à partir d'ici une fois vos modifications réalisées\n"
                    "Démarrer FlySTART à partir d'ici.\n"
                    "Démarrer FlySlice (création de scènes) à partir d'ici.\n"
                    "Garder cet outil en tâche de fond ou le fermer au lancement des autres programmes.")));
    return Page(tr("FLY! Kestrel Page Principale"), layout);
}

QWidget* TF_main::PageInit() {
    auto* layout = new QVBoxLayout;
    layout->addWidget(
        Memo("Memo2", tr("Vous devez initialiser les chemins avant d'utiliser Fly!Kestrel\n"
                         "Après sélection du répertoire de base de Fly!2 les autres seront automatiquement \n"
                         "remplis.")));
    layout->addWidget(Button("Button7", tr("Initialise Kestrel")), 0, Qt::AlignLeft);
    return Page(tr("Initialise Répert./Var."), layout);
}

QWidget* TF_main::PageIniFiles() {
    auto* grid = MemoButtonGrid({
        {Memo("Memo3", tr("Optimise votre fly.ini\n"
                          "Compare les valeurs recommandées\n"
                          "Change les valeurs")),
         Button("Button5", tr("Modifie le FLY.INI"))},
        {Memo("Memo4", tr("Optimise votre render.ini\n"
                          "Un calculateur de mémoire vous aide")),
         Button("Button6", tr("Modifie le RENDER.INI"))},
    });
    grid->addWidget(Memo("Memo5", tr("les fichiers sont sauvegardés au format "
                                     "[nomfichier].[DDMMJJhhmmss].[BAK] toutes les fois que vous les \n"
                                     "modifiez !")),
                    2, 0, 1, 2);
    return Page(tr("Fichiers *.ini"), grid);
}

QWidget* TF_main::PageActivation() {
    auto* buttons = new QGridLayout;
    buttons->addWidget(Button("Button3", tr("Activation *.DLL")), 0, 0);
    buttons->addWidget(Button("Button4", tr("Activation *.PY/PYC")), 0, 1);
    buttons->addWidget(Button("Button2", tr("Enregistrer profil")), 1, 0);
    buttons->addWidget(Button("Button10", tr("Charger et VOIR le profil ")), 1, 1);
    buttons->addWidget(Button("Button12", tr("Charger et appliquer profil")), 2, 0);
    buttons->addWidget(Button("Button11", tr("Copie répertoire DLL")), 2, 1);

    auto* layout = new QVBoxLayout;
    layout->addWidget(
        Memo("Memo6",
             tr("Amélioration des performances !\n"
                "Avant de démarrer Fly! désactiver les *.dll et *.py/c dont vous n'avez pas besoin.\n"
                "Soyez prudent : Fly! peut ne pas fonctionner si les *.dll nécessaires sont désactivées, \n"
                "particulièrement celles des avions.\n"
                "Avant de démarrer votre travail, sauvegardez votre status actuel (Enregistrer le profil)\n"
                "Vous pouvez facilement revenir au status précédent (Charger et appliquer le profil)\n"
                "Sauvegarder votre répertoire de *.dll pour plus de sécurité")));
    layout->addLayout(buttons);
    return Page(tr("*.DLL and PY-C de/activation"), layout);
}

QWidget* TF_main::PageSlicer() {
    auto* grid = MemoButtonGrid({
        {Memo("Memo7", tr("Recommandé : créer ces répertoires pour une \n"
                          "meilleure vision du projet.\n"
                          " {répertoire à créer dans votre répertoire de base \n"
                          "de Fly!2}\n"
                          "   SlicerWork\\TGA\n"
                          "   SlicerWork\\POD\n"
                          "   SlicerWork\\SCF Files\n"
                          "   SlicerWork\\RAS")),
         Button("Button16", tr("Créer un rértoire spécial (optionel)"))},
        {Memo("Memo8", tr("Ecrit le fichier d'entrée complet pour fly2slice.exe\n"
                          "et le fichier *.scf dont un *.pod a besoin.\n"
                          "Garde les valeurs pour les modifier plus tard, puis lance le découpage.")),
         Button("Button15", tr("Créer Fichiers du Slice"))},
        {Memo("Memo9",
              tr("Si vous créez un *.pod : sauvegardez le répertoire [DATA] de Fly!2 avant le découpage,\n"
                 "puis restaurez-le ensuite avec \"Sauve/Restaure répertoire DATA\".")),
         Button("Button21", tr("Sauve/Restaure répertoire DATA"))},
    });
    return Page(tr("fly2slice"), grid);
}

QWidget* TF_main::PageSceneries() {
    auto* grid = MemoButtonGrid({
        {Label(tr("ACTIVATION scènes ON/OFF")), nullptr},
        {Memo("Memo12",
              tr("Activé/Désactiver *.pod, *.scf\n"
                 "Pourquoi ?\n"
                 "- vous avez plusieurs scènes de la même région\n"
                 "- parfois vous souhaitez utilisez les scènes de FSImp, parfois celles de Fly!\n"
                 "- des scènes se chevauchent et sont incompatibles\n"
                 "- vous voulez augmenter les performances pour une zones et désactivés des scènes\n"
                 "- vous voulez faire des tests")),
         Button("Button20", tr("Activation [scènes]"))},
        {Label(tr("DEPLACEMENT scènes")), nullptr},
        {Memo("Memo13", tr("Déplacer des scènes (*.POD & *.SCF)\n"
                           "Pourquoi ?\n"
                           "- les déplacer entre plusieurs installation sd eFly!\n"
                           "- créer un répertoire séparé de scènes sur un autre lecteur\n"
                           "- les déplacer d'un support de sauvegarde (CD/DVD)\n"
                           "- créer un répertoire séparé de scènes pour créer une sauvegarde (CD/DVD)")),
         Button("Button19", tr("Déplacement [scènes]"))},
    });
    return Page(tr("Gestion des scènes"), grid);
}

QWidget* TF_main::PageInstall() {
    auto* layout = new QVBoxLayout;
    layout->addWidget(Label(tr("INSTALLATION scénes/avions/objets (semi-)automatique")));
    layout->addWidget(Memo(
        "Memo14",
        tr("1. Dézipper les fichiers dans un répertoire\n"
           "2. Utilisez la page installation de FlyKestrel et sélectionner le type de fichier à installer\n"
           "  a) scènes :\n"
           "     *.pod, *.scf vers [Fly\\scenery]\n"
           "  b) scènes vers un répertoire autre/externe :\n"
           "    pod,scf to [externe\\autre réprtoire de scènes],\n"
           "    tms, txp, bgr vers [FLY\\data]\n"
           "c) taxiway :\n"
           "   pod vers [FLY\\taxiways],\n"
           "   tms, txp, bgr vers [FLY\\data]\n"
           "d) avions :\n"
           "    pas encore implémenté\n"
           "e) script :\n"
           "    pas encore implémenté\n"
           "f) DEX files: \n"
           "   install *.dex files with the help of Navmerger 1.3 automatically ")));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("Button22", tr("Aller à la page d'installation")));
    buttons->addWidget(Button("ButtonLibrary", tr("Bibliothèque des add-ons")));
    buttons->addStretch();
    layout->addLayout(buttons);
    return Page(tr("Aide Installion"), layout);
}

namespace {

// One side of the key and joystick page: the selected set, the list of sets and the two buttons.
QVBoxLayout* ControlFileColumn(const QString& caption, const char* editName, const QString& editAccessible,
                               const char* listName, const QString& listAccessible, QPushButton* use,
                               QPushButton* save) {
    auto* edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setAccessibleName(editAccessible);
    edit->setReadOnly(true);
    auto* list = new QListWidget;
    list->setObjectName(listName);
    list->setMinimumHeight(120);
    list->setMaximumHeight(170);
    list->setAccessibleName(listAccessible);
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(edit);
    column->addWidget(list);
    column->addWidget(use);
    column->addWidget(save);
    return column;
}

} // namespace

QWidget* TF_main::PageControlFiles() {
    auto* explanation = Memo("Memo10", tr("Enregistre et charge les valeurs des Touches/Manettes de jeux !\n"
                                          "Pourquoi ?\n"
                                          "a) Fly! parfois efface par erreur vos paramètres\n"
                                          "b) Vous utilisez plusieurs manettes de jeux pour vos avions et \n"
                                          "hélicoptères\n"
                                          "c) Vous utilisez des paramètres de Touches différents selon vos \n"
                                          "avions"));
    auto* help = Memo(
        "Memo11",
        tr("Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !\n"
           "Comment procéder ?\n"
           "a) Modifier les fichiers de paramètres des Touches ou Manettes\n"
           "   Cliquez sur le nom du fichier. Il apparaitra dans la fenêtre en bas\n"
           "   Cliquez sur \"Utilisez la sélection\"\n"
           "   Vous démarrez Fly!vaec les valeurs par défaut\n"
           "   (ou celles que vous aviez lors de la première utilisation de FlyKestrel\n"
           "Pour changer les paramètres\n"
           "b) Modifier vos paramètres de touches ou de boutons dans Fly!\n"
           "   Ne craigniez rien : vos valeurs originales ont été sauvegardées par FlyKestrel\n"
           "   Cliquez sur le bouton [Enregistrer les touches sous] ou [Enregistrer les boutons sous], \n"
           "choisissez un nom de fichier\n"
           "   Vous pouvez TOUJOURS revenir aux valeurs par défaut, sélectionnez les, elles ne \n"
           "sont jamais changées"));
    // The help covers the explanation in the same place, which is tall enough for all its lines.
    help->setAccessibleName(tr("Aide"));
    help->setMinimumWidth(0);
    help->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    help->hide();
    explanation->setFixedHeight(help->maximumHeight());
    auto* memos = new QGridLayout;
    memos->addWidget(explanation, 0, 0);
    memos->addWidget(help, 0, 0);
    memos->addWidget(Button("Button25", tr("AIDE")), 0, 1, Qt::AlignTop);
    memos->setColumnStretch(0, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(ControlFileColumn(tr("Sélectionner le fichier des paramètres des Touches"), "Edit1",
                                         tr("Jeu de touches sélectionné"), "ListBox1", tr("Jeux de touches"),
                                         Button("Button17", tr("Utilisez la sélection")),
                                         Button("Button18", tr("Enregistrer les Touches sous"))));
    columns->addLayout(ControlFileColumn(tr("Sélectionner le fichier des paramètres de la Manette"), "Edit2",
                                         tr("Jeu de manette sélectionné"), "ListBox2", tr("Jeux de manette"),
                                         Button("Button24", tr("Utilisez la sélection")),
                                         Button("Button23", tr("Enregistrer les Boutons sous"))));
    auto* layout = new QVBoxLayout;
    layout->addLayout(memos);
    layout->addLayout(columns);
    return Page(tr("Fichier configuration Touches/Manettes"), layout);
}
