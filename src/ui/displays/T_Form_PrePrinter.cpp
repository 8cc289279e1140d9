#include "ui/displays/T_Form_PrePrinter.hpp"

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/main/Graph_Tauchgang.hpp"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

// The white sheet of the printer's paper, fitted into the widget, with the page drawn on it.
class Blattansicht : public QWidget {
  public:
    explicit Blattansicht(const T_Form_PrePrinter& Vorschau) : Vorschau_(Vorschau) {
        setMinimumSize(300, 300);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter Maler(this);
        Maler.fillRect(rect(), palette().color(QPalette::Dark));
        const QPageLayout Layout = Vorschau_.Seitenlayout();
        const QRectF Papier = Layout.fullRect(QPageLayout::Millimeter);
        if (Papier.isEmpty()) return;
        const double Massstab = std::min((width() - 20) / Papier.width(), (height() - 20) / Papier.height());
        const QSizeF Blatt = Papier.size() * Massstab;
        const QPointF Ecke((width() - Blatt.width()) / 2, (height() - Blatt.height()) / 2);
        Maler.fillRect(QRectF(Ecke, Blatt), Qt::white);
        const QRectF Bereich = Layout.paintRect(QPageLayout::Millimeter);
        Maler.setRenderHint(QPainter::Antialiasing);
        Maler.setRenderHint(QPainter::TextAntialiasing);
        Maler.translate(Ecke + Bereich.topLeft() * Massstab);
        Maler.scale(Massstab / 10, Massstab / 10); // 0.1 mm
        Drucken::Seite_zeichnen(Maler, Vorschau_.Vorlage(), Vorschau_.Plan(), Vorschau_.Seite());
    }

  private:
    const T_Form_PrePrinter& Vorschau_;
};

// The graph is laid out for paper at this size in pixels: axis captions of about 2 mm on 175 mm,
// whatever size the window gives it on screen.
const QSizeF Druckbild(1000, 500);

// The chart draws itself (vector lines, text as text) into the rectangle on the page. For that
// moment it is laid out at the size of the printed picture and then back at its own.
void Graph_drucken(QChart& Chart, QPainter& Maler, const QRectF& Ziel) {
    const QRectF vorher = Chart.geometry();
    const auto auslegen = [&Chart](const QRectF& Geometrie) {
        Chart.setGeometry(Geometrie);
        if (Chart.layout()) Chart.layout()->activate();
    };
    auslegen(QRectF(vorher.topLeft(), Druckbild));
    Chart.scene()->render(&Maler, Ziel, Chart.sceneBoundingRect(), Qt::KeepAspectRatio);
    auslegen(vorher);
}

} // namespace

T_Form_PrePrinter::T_Form_PrePrinter(Graph_Tauchgang* Graph, QWidget* parent)
    : QDialog(parent), Graph_(Graph) {
    benannt(this, "T_Form_PrePrinter", 288);
    Blatt = benannt(new Blattansicht(*this), "Blatt");

    GroupBox_Vorschau = benannt(new QGroupBox(this), "GroupBox_Vorschau", 293);
    Button_minus = benannt(new QPushButton("<", GroupBox_Vorschau), "Button_minus");
    Label_Seite = benannt(new QLabel(GroupBox_Vorschau), "Label_Seite");
    Label_Seite->setAlignment(Qt::AlignCenter);
    Label_Seite->setMinimumWidth(Label_Seite->fontMetrics().horizontalAdvance("88 von 88"));
    Button_plus = benannt(new QPushButton(">", GroupBox_Vorschau), "Button_plus");
    auto* Blaettern = new QHBoxLayout(GroupBox_Vorschau);
    for (QWidget* w : {static_cast<QWidget*>(Button_minus), static_cast<QWidget*>(Label_Seite),
                       static_cast<QWidget*>(Button_plus)})
        Blaettern->addWidget(w);
    for (auto* b : {Button_minus, Button_plus}) b->setFixedWidth(b->sizeHint().height() * 3 / 2);

    GroupBox_Drucker = benannt(new QGroupBox(this), "GroupBox_Drucker", 289);
    RadioButton_Seite = benannt(new QRadioButton(GroupBox_Drucker), "RadioButton_Seite", 291);
    RadioButton_Alles = benannt(new QRadioButton(GroupBox_Drucker), "RadioButton_Alles", 292);
    Button_Drucken = benannt(new QPushButton(GroupBox_Drucker), "Button_Drucken", 290);
    Button_Setup = benannt(new QPushButton("Setup", GroupBox_Drucker), "Button_Setup");
    Button_PDF = benannt(new QPushButton(GroupBox_Drucker), "Button_PDF");
    auto* Druckerspalte = new QVBoxLayout(GroupBox_Drucker);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioButton_Seite, RadioButton_Alles, Button_Drucken,
                                                      Button_Setup, Button_PDF})
        Druckerspalte->addWidget(w);
    RadioButton_Alles->setChecked(true);

    auto* Leiste = new QVBoxLayout;
    Leiste->addWidget(GroupBox_Vorschau);
    Leiste->addWidget(GroupBox_Drucker);
    Leiste->addStretch(1);
    auto* Zeile = new QHBoxLayout(this);
    Zeile->addWidget(Blatt, 1);
    Zeile->addLayout(Leiste);

    connect(Button_minus, &QPushButton::clicked, this, [this] { Seite_zeigen(Seite_ > 0 ? Seite_ - 1 : 0); });
    connect(Button_plus, &QPushButton::clicked, this, [this] { Seite_zeigen(Seite_ + 1); });
    connect(Button_Drucken, &QPushButton::clicked, this, &T_Form_PrePrinter::Drucken_Klick);
    connect(Button_Setup, &QPushButton::clicked, this, &T_Form_PrePrinter::Setup_Klick);
    connect(Button_PDF, &QPushButton::clicked, this, &T_Form_PrePrinter::Als_PDF_speichern);
    resize(900, 900);
    // The graph is drawn when a page is, so the dive must not change while the text shows.
    setWindowModality(Qt::ApplicationModal);
    Texte_setzen();
}

void T_Form_PrePrinter::Druckvorschau_zeigen(const std::vector<std::string>& Zeilen, bool mit_Graphik) {
    Vorlage_ = {};
    const bool Graph_da = mit_Graphik && Graph_ != nullptr && Graph_->Chart() != nullptr;
    Vorlage_.Zeilen = Unit_Tools_PrePrinter::Druckzeilen(Zeilen, Graph_da);
    if (Graph_da) {
        Vorlage_.Graph_Seitenverhaeltnis = Druckbild.height() / Druckbild.width();
        Vorlage_.Graph_zeichnen = [Chart = Graph_->Chart()](QPainter& Maler, const QRectF& Ziel) {
            Graph_drucken(*Chart, Maler, Ziel);
        };
    }
    Seiten_neu_planen();
    show();
    raise();
    activateWindow();
}

void T_Form_PrePrinter::Seiten_neu_planen() {
    Plan_ = Drucken::Seiten_planen(Vorlage_, Drucker_.pageLayout());
    RadioButton_Alles->setChecked(true);
    Seite_zeigen(0);
}

void T_Form_PrePrinter::Seite_zeigen(std::size_t s) {
    const std::size_t n = Plan_.Seiten.size();
    Seite_ = std::min(s, n == 0 ? 0 : n - 1);
    const bool mehrere = n > 1;
    Button_minus->setEnabled(mehrere && Seite_ > 0);
    Button_plus->setEnabled(mehrere && Seite_ + 1 < n);
    Label_Seite->setText(mehrere ? QString("%1%2%3").arg(Seite_ + 1).arg(T(" von ", " of ")).arg(n)
                                 : QString());
    RadioButton_Seite->setEnabled(mehrere);
    RadioButton_Alles->setEnabled(mehrere);
    Blatt->update();
}

void T_Form_PrePrinter::Drucken_Klick() {
    if (!Drucken::Drucker_vorhanden()) {
        if (Unit_Tools::Frage_Ja_Nein("Es ist kein Drucker eingerichtet. Die Seiten als PDF-Datei speichern?",
                                      "No printer is installed. Save the pages as a PDF file?"))
            Als_PDF_speichern();
        return;
    }
    QPrintDialog Dialog(&Drucker_, this);
    Dialog.setMinMax(1, static_cast<int>(Plan_.Seiten.size()));
    if (Dialog.exec() != QDialog::Accepted) return;
    // The dialog may have changed the paper: the pages follow it. Pages chosen in the dialog
    // win over the choice here.
    const std::size_t gezeigt = Seite_;
    Plan_ = Drucken::Seiten_planen(Vorlage_, Drucker_.pageLayout());
    const std::size_t letzte = Plan_.Seiten.size() - 1;
    std::size_t von = RadioButton_Seite->isChecked() ? std::min(gezeigt, letzte) : 0;
    std::size_t bis = RadioButton_Seite->isChecked() ? von : letzte;
    if (Dialog.printRange() == QAbstractPrintDialog::PageRange && Dialog.fromPage() > 0) {
        von = std::min(static_cast<std::size_t>(Dialog.fromPage() - 1), letzte);
        bis = std::clamp(static_cast<std::size_t>(Dialog.toPage() - 1), von, letzte);
    }
    if (!Drucken::Seiten_ausgeben(Drucker_, Vorlage_, Plan_, von, bis))
        Unit_Tools::Meldung_Problem("Der Druck konnte nicht begonnen werden.",
                                    "Printing could not be started.");
    Seite_zeigen(gezeigt);
}

void T_Form_PrePrinter::Setup_Klick() {
    QPageSetupDialog Dialog(&Drucker_, this);
    if (Dialog.exec() == QDialog::Accepted) Seiten_neu_planen();
}

void T_Form_PrePrinter::Als_PDF_speichern() {
    Unit_UI::Dateiwahl Wahl;
    Wahl.speichern = true;
    Wahl.Filter =
        Unit_Tools::Text_waehlen("PDF Datei|*.pdf|Alle Dateien|*.*", "PDF file|*.pdf|All files|*.*");
    Wahl.Name = "Brelune.pdf";
    const auto Datei = Unit_UI::UI().Datei_waehlen(Wahl);
    if (!Datei) return;
    QString Pfad = QString::fromStdString(*Datei);
    if (!Pfad.endsWith(".pdf", Qt::CaseInsensitive)) Pfad += ".pdf";
    if (const auto Fehler = Drucken::PDF_schreiben(Pfad, Vorlage_, Drucker_.pageLayout())) {
        const std::string Ort = Pfad.toStdString() + "\n(" + Fehler->toStdString() + ")";
        Unit_Tools::Meldung_Problem("Die PDF-Datei kann nicht geschrieben werden:\n" + Ort,
                                    "The PDF file cannot be written:\n" + Ort);
    }
}

void T_Form_PrePrinter::showEvent(QShowEvent* Ereignis) {
    Texte_setzen(); // the language may have changed since the window was built
    QDialog::showEvent(Ereignis);
}

void T_Form_PrePrinter::Texte_setzen() {
    Beschriftungen_anwenden(this);
    Button_PDF->setText(T("Als PDF speichern", "Save as PDF"));
    Seite_zeigen(Seite_);
}
