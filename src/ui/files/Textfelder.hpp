// The text areas of the file windows: a file's lines shown as they are, fixed pitch, unwrapped,
// handed back to the library line by line.
#pragma once

#include <QString>

#include <string>
#include <vector>

class QPlainTextEdit;
class QWidget;

QPlainTextEdit* Textfeld(QWidget* parent, const QString& Name, bool nur_lesen);
std::vector<std::string> Zeilen(const QPlainTextEdit* Feld);
// Replaces the text only when the lines differ, so the view and the cursor stay while the same
// lines come back.
void Zeilen_zeigen(QPlainTextEdit* Feld, const std::vector<std::string>& Zeilen);
