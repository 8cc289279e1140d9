#include "ui/main/T_Form_ProgrammInfo.hpp"

#include "core/Brelune_ProgrammVersion.hpp"
#include "lang/Unit_Tools.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

struct Quelle {
    const char* Autoren;
    const char* Titel;
    const char* Erschienen_de;
    const char* Erschienen_en;
    const char* Wofuer_de;
    const char* Wofuer_en;
};

// The literature the calculation rests on, in the order the calculation uses it.
const Quelle Quellen[] = {
    {"A. A. Bühlmann", "Dekompression – Dekompressionskrankheit", "Springer, Berlin 1983",
     "Springer, Berlin 1983", "Das Modell der 16 Gewebe und seine Koeffizienten",
     "The model of 16 compartments and its coefficients"},
    {"A. A. Bühlmann", "Decompression – Decompression Sickness", "Springer, Berlin 1984",
     "Springer, Berlin 1984", "Englische Ausgabe", "English edition"},
    {"A. A. Bühlmann, E. B. Völlm, P. Nussberger", "Tauchmedizin", "5. Auflage, Springer, Berlin 2002",
     "5th edition, Springer, Berlin 2002",
     "Die Koeffizientensätze ZH-L16 A, B und C für Stickstoff und Helium",
     "The coefficient sets ZH-L16 A, B and C for nitrogen and helium"},
    {"R. D. Workman", "Calculation of decompression schedules for nitrogen-oxygen and helium-oxygen dives",
     "Research Report 6-65, U.S. Navy Experimental Diving Unit, Washington 1965",
     "Research Report 6-65, U.S. Navy Experimental Diving Unit, Washington 1965",
     "Tolerierte Überdrücke (M-Werte)", "Tolerated overpressures (M-values)"},
    {"H. R. Schreiner, P. L. Kelley", "A pragmatic view of decompression",
     "In: C. J. Lambertsen (Hrsg.), Underwater Physiology IV, Academic Press, New York 1971",
     "In: C. J. Lambertsen (ed.), Underwater Physiology IV, Academic Press, New York 1971",
     "Sättigung bei gleichmäßigem Ab- und Aufstieg (Schreiner-Gleichung)",
     "Loading during a steady descent or ascent (Schreiner equation)"},
    {"E. C. Baker", "Understanding M-values", "1998", "1998", "M-Werte und ihre Darstellung im Druckdiagramm",
     "M-values and their pressure graph"},
    {"E. C. Baker", "Clearing up the confusion about \"deep stops\"", "1998", "1998",
     "Gradientenfaktoren (GF Lo, GF Hi)", "Gradient factors (GF Lo, GF Hi)"},
    {"NOAA Diving Program", "NOAA Diving Manual – Diving for Science and Technology",
     "4. Auflage (J. T. Joiner, Hrsg.), Best Publishing, Flagstaff 2001",
     "4th edition (J. T. Joiner, ed.), Best Publishing, Flagstaff 2001",
     "Grenzen der Sauerstoffbelastung, ZNS-Uhr (CNS %)", "Oxygen exposure limits, CNS clock (CNS %)"},
    {"J. M. Clark, C. J. Lambertsen", "Pulmonary oxygen toxicity: a review",
     "Pharmacological Reviews 23, 1971", "Pharmacological Reviews 23, 1971",
     "Lungentoxizität des Sauerstoffs (OTU)", "Pulmonary oxygen toxicity (OTU)"},
    {"R. W. Hamilton", "Tolerating exposure to high oxygen levels: Repex and other methods",
     "Marine Technology Society Journal 23, 1989", "Marine Technology Society Journal 23, 1989",
     "Grenzen der OTU bei wiederholter Belastung", "OTU limits for repeated exposure"},
};

QString Quellen_Html() {
    QString Html = "<p>" +
                   T("Die Berechnung stützt sich auf diese Veröffentlichungen:",
                     "The calculation rests on these publications:") +
                   "</p><ol>";
    for (const Quelle& q : Quellen)
        Html += QString("<li style=\"margin-bottom: 4px\">%1: <i>%2</i>. %3.<br/>"
                        "<span style=\"color: #505050\">%4.</span></li>")
                    .arg(QString(q.Autoren).toHtmlEscaped(), QString(q.Titel).toHtmlEscaped(),
                         T(q.Erschienen_de, q.Erschienen_en).toHtmlEscaped(),
                         T(q.Wofuer_de, q.Wofuer_en).toHtmlEscaped());
    return Html + "</ol>";
}

QLabel* Beschriftung(QWidget* Eltern, const char* Name, int Tag) {
    auto* l = new QLabel(Eltern);
    l->setObjectName(Name);
    if (Tag != 0) l->setProperty("tag", Tag);
    return l;
}
} // namespace

T_Form_ProgrammInfo::T_Form_ProgrammInfo(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_ProgrammInfo");

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    TabSheet_Version = new QWidget;
    TabSheet_Version->setObjectName("TabSheet_Version");
    TabSheet_Quellen = new QWidget;
    TabSheet_Quellen->setObjectName("TabSheet_Quellen");
    TabSheet_Quellen->setProperty("tag", 297);
    PageControl->addTab(TabSheet_Version, "Version");
    PageControl->addTab(TabSheet_Quellen, QString());

    Label_Programmname = Beschriftung(TabSheet_Version, "Label_Programmname", 0);
    QFont Gross = Label_Programmname->font();
    Gross.setPointSizeF(Gross.pointSizeF() * 2);
    Gross.setBold(true);
    Label_Programmname->setFont(Gross);
    Label_Programmname->setText("Brelune");
    Label_Beschreibung = Beschriftung(TabSheet_Version, "Label_Beschreibung", 0);
    Label_Beschreibung->setWordWrap(true);
    Label_Programmversion = Beschriftung(TabSheet_Version, "Label_Programmversion", 294);
    Label_Version = Beschriftung(TabSheet_Version, "Label_Version", 0);
    Label_Version->setText(Brelune_ProgrammVersion::Version_Text);
    Label_Version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_akzeptiert = Beschriftung(TabSheet_Version, "Label_akzeptiert", 299);
    Label_Warnhinweis = Beschriftung(TabSheet_Version, "Label_Warnhinweis", 298);
    QFont Fett = Label_Warnhinweis->font();
    Fett.setBold(true);
    Label_Warnhinweis->setFont(Fett);

    auto* Versionsseite = new QGridLayout(TabSheet_Version);
    Versionsseite->addWidget(Label_Programmname, 0, 0, 1, 2);
    Versionsseite->addWidget(Label_Beschreibung, 1, 0, 1, 2);
    Versionsseite->setRowMinimumHeight(2, 12);
    Versionsseite->addWidget(Label_Programmversion, 3, 0);
    Versionsseite->addWidget(Label_Version, 3, 1);
    Versionsseite->setRowMinimumHeight(4, 12);
    Versionsseite->addWidget(Label_akzeptiert, 5, 0, 1, 2);
    Versionsseite->addWidget(Label_Warnhinweis, 6, 0, 1, 2);
    Versionsseite->setRowStretch(7, 1);
    Versionsseite->setColumnStretch(1, 1);

    Memo_Quellen = new QTextBrowser(TabSheet_Quellen);
    Memo_Quellen->setObjectName("Memo_Quellen");
    Memo_Quellen->setOpenLinks(false);
    auto* Quellenseite = new QVBoxLayout(TabSheet_Quellen);
    Quellenseite->addWidget(Memo_Quellen);

    BitBtn_Schliessen = new QPushButton(this);
    BitBtn_Schliessen->setObjectName("BitBtn_Schliessen");
    BitBtn_Schliessen->setProperty("tag", 125);
    connect(BitBtn_Schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* Knopfzeile = new QHBoxLayout;
    Knopfzeile->addStretch(1);
    Knopfzeile->addWidget(BitBtn_Schliessen);
    auto* Spalte = new QVBoxLayout(this);
    Spalte->addWidget(PageControl, 1);
    Spalte->addLayout(Knopfzeile);

    Texte_setzen();
    resize(720, 570);
}

int T_Form_ProgrammInfo::Zeigen(Seite Auf) {
    Seite_waehlen(Auf);
    return exec();
}

void T_Form_ProgrammInfo::Seite_waehlen(Seite Auf) {
    PageControl->setCurrentIndex(Auf == Seite_Quellen ? 1 : 0);
}

void T_Form_ProgrammInfo::showEvent(QShowEvent* Ereignis) {
    Texte_setzen(); // the language may have changed since the window was built
    QDialog::showEvent(Ereignis);
}

void T_Form_ProgrammInfo::Texte_setzen() {
    setWindowTitle(T("Über das Programm", "About the program"));
    PageControl->setTabText(1, T("Quellen", "Sources"));
    Label_Beschreibung->setText(T("Dekompressionsplaner nach Bühlmann ZH-L16 mit Gradientenfaktoren",
                                  "Decompression planner after Bühlmann ZH-L16 with gradient factors"));
    Label_Programmversion->setText(T("Programmversion", "Program version"));
    Label_akzeptiert->setText(T("Der Benutzer des Programms akzeptiert den:", "The user accepts the:"));
    Label_Warnhinweis->setText(T("Sicherheits- und Warnhinweis", "Safety and warning note"));
    Memo_Quellen->setHtml(Quellen_Html());
    BitBtn_Schliessen->setText(T("Schließen", "Close"));
}
