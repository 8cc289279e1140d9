// The print preview: the pages of a text (and the dive graph after the report) on a sheet of the
// printer's paper, page by page, and from here to the printer or into a PDF file. The page layout
// is the library's (Unit_Tools_PrePrinter); this window only draws it.
#pragma once

#include "ui/adapters/Drucken.hpp"

#include <QDialog>
#include <QPrinter>

#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Graph_Tauchgang;

class T_Form_PrePrinter : public QDialog {
    Q_OBJECT
  public:
    // The graph printed after a text that asks for it; may be null.
    explicit T_Form_PrePrinter(Graph_Tauchgang* Graph, QWidget* parent = nullptr);

    // The lines of a text (and with mit_Graphik the dive graph after them), page 1 shown.
    void Druckvorschau_zeigen(const std::vector<std::string>& Zeilen, bool mit_Graphik);

    QPrinter& Drucker() { return Drucker_; }
    QPageLayout Seitenlayout() const { return Drucker_.pageLayout(); }
    // After a change of the printer's paper: planned again, page 1 shown.
    void Seiten_neu_planen();
    std::size_t Seitenzahl() const { return Plan_.Seiten.size(); }
    std::size_t Seite() const { return Seite_; }
    const Druckvorlage& Vorlage() const { return Vorlage_; }
    const Unit_Tools_PrePrinter::Seitenplan& Plan() const { return Plan_; }

    QWidget* Blatt = nullptr;
    QGroupBox* GroupBox_Vorschau = nullptr;
    QPushButton* Button_minus = nullptr;
    QLabel* Label_Seite = nullptr;
    QPushButton* Button_plus = nullptr;
    QGroupBox* GroupBox_Drucker = nullptr;
    QRadioButton* RadioButton_Seite = nullptr;
    QRadioButton* RadioButton_Alles = nullptr;
    QPushButton* Button_Drucken = nullptr;
    QPushButton* Button_Setup = nullptr;
    QPushButton* Button_PDF = nullptr;

    void Drucken_Klick();
    void Setup_Klick();
    // The file dialog, then every page into the PDF chosen.
    void Als_PDF_speichern();

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    void Seite_zeigen(std::size_t s);
    void Texte_setzen();

    Graph_Tauchgang* Graph_ = nullptr;
    QPrinter Drucker_{QPrinter::HighResolution};
    Druckvorlage Vorlage_;
    Unit_Tools_PrePrinter::Seitenplan Plan_;
    std::size_t Seite_ = 0;
};
