#include "app/TF_main.h"

#include <QCheckBox>
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

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// A read-only memo tall and wide enough for its lines.
QPlainTextEdit* Memo(const char* name, std::initializer_list<const char*> lines) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setAccessibleName(u8("Explications"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList text;
    int widest = 0;
    for (const char* line : lines) {
        text << u8(line);
        widest = std::max(widest, memo->fontMetrics().horizontalAdvance(text.back()));
    }
    memo->setPlainText(text.join('\n'));
    const int margins = 2 * (memo->frameWidth() + int(memo->document()->documentMargin())) + 4;
    memo->setMinimumWidth(widest + margins);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * int(lines.size()) + margins);
    return memo;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(u8(caption));
    button->setObjectName(name);
    button->setMinimumWidth(190);
    return button;
}

QLabel* Label(const char* text) {
    auto* label = new QLabel(u8(text));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A page: its group box filled by content, pushed to the top.
QWidget* Page(const char* caption, QLayout* content) {
    auto* group = new QGroupBox(u8(caption));
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
    auto* label = new QLabel(u8("Sélectionne répartoire de FLY!2 :"));
    edit3_ = new QLineEdit;
    edit3_->setObjectName("Edit3");
    edit3_->setAccessibleName(u8("Répertoire de Fly!2"));
    edit3_->setReadOnly(true);
    label->setBuddy(edit3_);
    checkBox1_ = new QCheckBox(u8("Lancer le programme ci-dessous ET FERMER FlyKestrel"));
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setChecked(true);
    checkBox2_ = new QCheckBox(u8("Efface tous les *.HST avant de lancer Fly!"));
    checkBox2_->setObjectName("CheckBox2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("Button8", "Démarrer FLY! 2"));
    buttons->addWidget(Button("Button9", "Démarrer FlySTART !"));
    buttons->addWidget(Button("Button14", "Lancer fly2slice"));

    auto* layout = new QVBoxLayout;
    layout->addWidget(label);
    layout->addWidget(edit3_);
    layout->addSpacing(8);
    layout->addWidget(checkBox1_);
    layout->addWidget(checkBox2_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addSpacing(8);
    layout->addWidget(Memo("Memo1", {"Démarrer Fly!2 à partir d'ici une fois vos modifications réalisées",
                                     "Démarrer FlySTART à partir d'ici.",
                                     "Démarrer FlySlice (création de scènes) à partir d'ici.",
                                     "Garder cet outil en tâche de fond ou le fermer au lancement des autres "
                                     "programmes."}));
    return Page("FLY! Kestrel Page Principale", layout);
}

QWidget* TF_main::PageInit() {
    auto* layout = new QVBoxLayout;
    layout->addWidget(Memo("Memo2", {"Vous devez initialiser les chemins avant d'utiliser Fly!Kestrel",
                                     "Après sélection du répertoire de base de Fly!2 les autres seront "
                                     "automatiquement ",
                                     "remplis."}));
    layout->addWidget(Button("Button7", "Initialise Kestrel"), 0, Qt::AlignLeft);
    return Page("Initialise Répert./Var.", layout);
}

QWidget* TF_main::PageIniFiles() {
    auto* grid = MemoButtonGrid({
        {Memo("Memo3", {"Optimise votre fly.ini", "Compare les valeurs recommandées", "Change les valeurs"}),
         Button("Button5", "Modifie le FLY.INI")},
        {Memo("Memo4", {"Optimise votre render.ini", "Un calculateur de mémoire vous aide"}),
         Button("Button6", "Modifie le RENDER.INI")},
    });
    grid->addWidget(
        Memo("Memo5", {"les fichiers sont sauvegardés au format [nomfichier].[DDMMJJhhmmss].[BAK] toutes "
                       "les fois que vous les ",
                       "modifiez !"}),
        2, 0, 1, 2);
    return Page("Fichiers *.ini", grid);
}

QWidget* TF_main::PageActivation() {
    auto* buttons = new QGridLayout;
    buttons->addWidget(Button("Button3", "Activation *.DLL"), 0, 0);
    buttons->addWidget(Button("Button4", "Activation *.PY/PYC"), 0, 1);
    buttons->addWidget(Button("Button2", "Enregistrer profil"), 1, 0);
    buttons->addWidget(Button("Button10", "Charger et VOIR le profil "), 1, 1);
    buttons->addWidget(Button("Button12", "Charger et appliquer profil"), 2, 0);
    buttons->addWidget(Button("Button11", "Copie répertoire DLL"), 2, 1);

    auto* layout = new QVBoxLayout;
    layout->addWidget(
        Memo("Memo6", {"Amélioration des performances !",
                       "Avant de démarrer Fly! désactiver les *.dll et *.py/c dont vous n'avez pas "
                       "besoin.",
                       "Soyez prudent : Fly! peut ne pas fonctionner si les *.dll nécessaires sont "
                       "désactivées, ",
                       "particulièrement celles des avions.",
                       "Avant de démarrer votre travail, sauvegardez votre status actuel (Enregistrer le "
                       "profil)",
                       "Vous pouvez facilement revenir au status précédent (Charger et appliquer le "
                       "profil)",
                       "Sauvegarder votre répertoire de *.dll pour plus de sécurité"}));
    layout->addLayout(buttons);
    return Page("*.DLL and PY-C de/activation", layout);
}

QWidget* TF_main::PageSlicer() {
    auto* grid = MemoButtonGrid({
        {Memo("Memo7",
              {"Recommandé : créer ces répertoires pour une ", "meilleure vision du projet.",
               " {répertoire à créer dans votre répertoire de base ", "de Fly!2}", "   SlicerWork\\TGA",
               "   SlicerWork\\POD", "   SlicerWork\\SCF Files", "   SlicerWork\\RAS"}),
         Button("Button16", "Créer un rértoire spécial (optionel)")},
        {Memo("Memo8", {"Ecrit le fichier d'entrée complet pour fly2slice.exe",
                        "et le fichier *.scf dont un *.pod a besoin.",
                        "Garde les valeurs pour les modifier plus tard, puis lance le découpage."}),
         Button("Button15", "Créer Fichiers du Slice")},
        {Memo("Memo9",
              {"Si vous créez un *.pod : sauvegardez le répertoire [DATA] de Fly!2 avant le découpage,",
               "puis restaurez-le ensuite avec \"Sauve/Restaure répertoire DATA\"."}),
         Button("Button21", "Sauve/Restaure répertoire DATA")},
    });
    return Page("fly2slice", grid);
}

QWidget* TF_main::PageSceneries() {
    auto* grid = MemoButtonGrid({
        {Label("ACTIVATION scènes ON/OFF"), nullptr},
        {Memo("Memo12", {"Activé/Désactiver *.pod, *.scf", "Pourquoi ?",
                         "- vous avez plusieurs scènes de la même région",
                         "- parfois vous souhaitez utilisez les scènes de FSImp, parfois celles de Fly!",
                         "- des scènes se chevauchent et sont incompatibles",
                         "- vous voulez augmenter les performances pour une zones et désactivés des scènes",
                         "- vous voulez faire des tests"}),
         Button("Button20", "Activation [scènes]")},
        {Label("DEPLACEMENT scènes"), nullptr},
        {Memo("Memo13", {"Déplacer des scènes (*.POD & *.SCF)", "Pourquoi ?",
                         "- les déplacer entre plusieurs installation sd eFly!",
                         "- créer un répertoire séparé de scènes sur un autre lecteur",
                         "- les déplacer d'un support de sauvegarde (CD/DVD)",
                         "- créer un répertoire séparé de scènes pour créer une sauvegarde (CD/DVD)"}),
         Button("Button19", "Déplacement [scènes]")},
    });
    return Page("Gestion des scènes", grid);
}

QWidget* TF_main::PageInstall() {
    auto* layout = new QVBoxLayout;
    layout->addWidget(Label("INSTALLATION scénes/avions/objets (semi-)automatique"));
    layout->addWidget(
        Memo("Memo14",
             {"1. Dézipper les fichiers dans un répertoire",
              "2. Utilisez la page installation de FlyKestrel et sélectionner le type de "
              "fichier à installer",
              "  a) scènes :", "     *.pod, *.scf vers [Fly\\scenery]",
              "  b) scènes vers un répertoire autre/externe :",
              "    pod,scf to [externe\\autre réprtoire de scènes],", "    tms, txp, bgr vers [FLY\\data]",
              "c) taxiway :", "   pod vers [FLY\\taxiways],", "   tms, txp, bgr vers [FLY\\data]",
              "d) avions :", "    pas encore implémenté", "e) script :", "    pas encore implémenté",
              "f) DEX files: ", "   install *.dex files with the help of Navmerger 1.3 automatically "}));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("Button22", "Aller à la page d'installation"));
    buttons->addWidget(Button("ButtonLibrary", "Bibliothèque des add-ons"));
    buttons->addStretch();
    layout->addLayout(buttons);
    return Page("Aide Installion", layout);
}

namespace {

// One side of the key and joystick page: the selected set, the list of sets and the two buttons.
QVBoxLayout* ControlFileColumn(const char* caption, const char* editName, const char* editAccessible,
                               const char* listName, const char* listAccessible, QPushButton* use,
                               QPushButton* save) {
    auto* edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setAccessibleName(u8(editAccessible));
    edit->setReadOnly(true);
    auto* list = new QListWidget;
    list->setObjectName(listName);
    list->setMinimumHeight(120);
    list->setMaximumHeight(170);
    list->setAccessibleName(u8(listAccessible));
    auto* label = new QLabel(u8(caption));
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
    auto* explanation =
        Memo("Memo10", {"Enregistre et charge les valeurs des Touches/Manettes de jeux !", "Pourquoi ?",
                        "a) Fly! parfois efface par erreur vos paramètres",
                        "b) Vous utilisez plusieurs manettes de jeux pour vos avions et ", "hélicoptères",
                        "c) Vous utilisez des paramètres de Touches différents selon vos ", "avions"});
    auto* help =
        Memo("Memo11",
             {"Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !", "Comment procéder ?",
              "a) Modifier les fichiers de paramètres des Touches ou Manettes",
              "   Cliquez sur le nom du fichier. Il apparaitra dans la fenêtre en bas",
              "   Cliquez sur \"Utilisez la sélection\"", "   Vous démarrez Fly!vaec les valeurs par défaut",
              "   (ou celles que vous aviez lors de la première utilisation de FlyKestrel",
              "Pour changer les paramètres", "b) Modifier vos paramètres de touches ou de boutons dans Fly!",
              "   Ne craigniez rien : vos valeurs originales ont été sauvegardées par FlyKestrel",
              "   Cliquez sur le bouton [Enregistrer les touches sous] ou [Enregistrer les boutons "
              "sous], ",
              "choisissez un nom de fichier",
              "   Vous pouvez TOUJOURS revenir aux valeurs par défaut, sélectionnez les, elles ne ",
              "sont jamais changées"});
    // The help covers the explanation in the same place, which is tall enough for all its lines.
    help->setAccessibleName(u8("Aide"));
    help->setMinimumWidth(0);
    help->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    help->hide();
    explanation->setFixedHeight(help->maximumHeight());
    auto* memos = new QGridLayout;
    memos->addWidget(explanation, 0, 0);
    memos->addWidget(help, 0, 0);
    memos->addWidget(Button("Button25", "AIDE"), 0, 1, Qt::AlignTop);
    memos->setColumnStretch(0, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(ControlFileColumn("Sélectionner le fichier des paramètres des Touches", "Edit1",
                                         "Jeu de touches sélectionné", "ListBox1", "Jeux de touches",
                                         Button("Button17", "Utilisez la sélection"),
                                         Button("Button18", "Enregistrer les Touches sous")));
    columns->addLayout(ControlFileColumn("Sélectionner le fichier des paramètres de la Manette", "Edit2",
                                         "Jeu de manette sélectionné", "ListBox2", "Jeux de manette",
                                         Button("Button24", "Utilisez la sélection"),
                                         Button("Button23", "Enregistrer les Boutons sous")));
    auto* layout = new QVBoxLayout;
    layout->addLayout(memos);
    layout->addLayout(columns);
    return Page("Fichier configuration Touches/Manettes", layout);
}
