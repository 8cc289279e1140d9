#include "settings/Unit_Textdatei.hpp"

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace Unit_Textdatei {

namespace {
namespace fs = std::filesystem;

// Code points of the bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves free keep their own.
constexpr std::array<char32_t, 32> Zeichen_80_9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void UTF8_anhaengen(std::string& Text, char32_t c) {
    if (c < 0x80) {
        Text += static_cast<char>(c);
    } else if (c < 0x800) {
        Text += static_cast<char>(0xC0 | (c >> 6));
        Text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        Text += static_cast<char>(0xE0 | (c >> 12));
        Text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        Text += static_cast<char>(0xF0 | (c >> 18));
        Text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        Text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at position i; false for a broken or overlong one.
bool Zeichen_lesen(std::string_view t, std::size_t& i, char32_t& c) {
    const auto b = [&t](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char b0 = b(i);
    std::size_t n = 0;
    char32_t Minimum = 0;
    if (b0 < 0x80) {
        c = b0;
        ++i;
        return true;
    }
    if ((b0 & 0xE0) == 0xC0) {
        n = 1, c = b0 & 0x1F, Minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 2, c = b0 & 0x0F, Minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 3, c = b0 & 0x07, Minimum = 0x10000;
    } else {
        return false;
    }
    if (i + n >= t.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return false;
        c = (c << 6) | (b(i + k) & 0x3F);
    }
    if (c < Minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += n + 1;
    return true;
}

char Windows1252_Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t k = 0; k < Zeichen_80_9F.size(); ++k)
        if (Zeichen_80_9F[k] == c) return static_cast<char>(0x80 + k);
    return '?';
}
} // namespace

std::string Windows1252_zu_UTF8(std::string_view Bytes) {
    std::string Text;
    Text.reserve(Bytes.size() + Bytes.size() / 8);
    for (const char z : Bytes) {
        const auto b = static_cast<unsigned char>(z);
        UTF8_anhaengen(Text, b >= 0x80 && b <= 0x9F ? Zeichen_80_9F[b - 0x80] : char32_t{b});
    }
    return Text;
}

std::string UTF8_zu_Windows1252(std::string_view Text) {
    std::string Bytes;
    Bytes.reserve(Text.size());
    std::size_t i = 0;
    while (i < Text.size()) {
        char32_t c = 0;
        if (Zeichen_lesen(Text, i, c)) {
            Bytes += Windows1252_Byte(c);
        } else {
            Bytes += '?';
            ++i;
        }
    }
    return Bytes;
}

bool ist_UTF8(std::string_view Bytes) {
    std::size_t i = 0;
    char32_t c = 0;
    while (i < Bytes.size())
        if (!Zeichen_lesen(Bytes, i, c)) return false;
    return true;
}

std::string Text_dekodieren(std::string_view Bytes) {
    if (Bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(Bytes.substr(3));
    return ist_UTF8(Bytes) ? std::string(Bytes) : Windows1252_zu_UTF8(Bytes);
}

std::vector<std::string> Zeilen_teilen(const std::string& Text) {
    std::vector<std::string> Zeilen;
    std::string Zeile;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char z = Text[i];
        if (z == '\r' || z == '\n') {
            Zeilen.push_back(std::move(Zeile));
            Zeile.clear();
            if (z == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else {
            Zeile += z;
        }
    }
    if (!Zeile.empty()) Zeilen.push_back(std::move(Zeile));
    return Zeilen;
}

Leseergebnis Datei_lesen(const std::string& Pfad) {
    Leseergebnis r;
    std::error_code f;
    const auto Status = fs::status(Pfad, f);
    if (!fs::exists(Status)) {
        r.fehlt = true;
        r.Fehler = "No such file";
        return r;
    }
    if (!fs::is_regular_file(Status)) {
        r.Fehler = "Not a regular file";
        return r;
    }
    const auto Groesse = fs::file_size(Pfad, f);
    if (f) {
        r.Fehler = f.message();
        return r;
    }
    if (Groesse > Dateigroesse_max) {
        r.Fehler = "File too large";
        return r;
    }
    std::ifstream Datei(Pfad, std::ios::binary);
    if (!Datei) {
        r.Fehler = std::error_code(errno, std::generic_category()).message();
        return r;
    }
    std::string Bytes(static_cast<std::size_t>(Groesse), '\0');
    Datei.read(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    Bytes.resize(static_cast<std::size_t>(Datei.gcount()));
    if (Datei.bad()) {
        r.Fehler = "Read error";
        return r;
    }
    r.Zeilen = Zeilen_teilen(Text_dekodieren(Bytes));
    r.gelesen = true;
    return r;
}

std::string Temporaere_Datei(const std::string& Pfad) {
    return Pfad + ".brelune-tmp";
}

std::string Datei_schreiben(const std::string& Pfad, const std::vector<std::string>& Zeilen,
                            const std::string& Sicherung) {
    std::error_code f;
    // A linked file keeps its link: the new text replaces the file the link points to.
    std::string Ziel = Pfad;
    if (fs::is_symlink(Pfad, f)) {
        const auto Echt = fs::canonical(Pfad, f);
        if (!f) Ziel = Echt.string();
    }
    const std::string Temp = Temporaere_Datei(Ziel);
    {
        std::ofstream Datei(Temp, std::ios::binary | std::ios::trunc);
        if (!Datei) return std::error_code(errno, std::generic_category()).message();
        for (const auto& Zeile : Zeilen) {
            const std::string Bytes = UTF8_zu_Windows1252(Zeile);
            Datei.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
            Datei.write("\r\n", 2);
        }
        Datei.flush();
        Datei.close();
        if (!Datei) {
            const std::string Grund = std::error_code(errno, std::generic_category()).message();
            fs::remove(Temp, f);
            return Grund.empty() ? "Write error" : Grund;
        }
    }
    // The new file keeps who may read the old one.
    const auto Rechte = fs::status(Ziel, f).permissions();
    if (!f && Rechte != fs::perms::unknown) fs::permissions(Temp, Rechte, f);
    if (!Sicherung.empty() && fs::exists(Ziel, f)) {
        fs::remove(Sicherung, f);
        fs::copy_file(Ziel, Sicherung, fs::copy_options::overwrite_existing, f);
    }
    fs::rename(Temp, Ziel, f);
    if (f) {
        const std::string Grund = f.message();
        std::error_code g;
        fs::remove(Temp, g);
        return Grund;
    }
    return {};
}

} // namespace Unit_Textdatei
