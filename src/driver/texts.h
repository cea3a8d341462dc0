// The program's own texts, code page 1252 ("\xFC" is ü). Lines are written
// with CR LF by the driver.
#pragma once

namespace datacomp::texts {

inline constexpr char kResultsMailAddress[] = "ergebnisse@datacomp.example";

inline constexpr char kBannerTitle[] =
    "Benchmarktool zum Vergleich von Datentypen und Prozessoren unter Windows(R)";
inline constexpr char kBannerAttribution[] =
    "datacomp 1.0 - Datentypen-Benchmark vom datacomp-Team, 2026";
inline constexpr char kBannerTermsOfUse[] =
    "Freie Nutzung und Weitergabe; Benutzung auf eigene Gefahr, ohne Gew\xE4hr.";

inline constexpr char kVendorLabel[] = "Hersteller des Prozessors  : ";
inline constexpr char kNameLabel[] = "Name des Prozessors        : ";
inline constexpr char kClockLabel[] = "Takt des Prozessors in MHz : ";
inline constexpr char kCountLabel[] = "Anzahl Prozessoren         : ";
inline constexpr char kSystemLabel[] = "Betriebssystem             : ";
inline constexpr char kInitialsPrompt[] = "Ihr K\xFCrzel (max 8 Zeichen) : ";

inline constexpr char kStorageNotice[] =
    "Die Zeiten sowie ihre Angaben werden unter \"datacomp.txt\" gespeichert.";
inline constexpr char kMailRequestStart[] =
    "Bitte senden Sie die Datei zur statistischen Auswertung per E-Mail an ";

inline constexpr char kSecondsUnit[] = " sek";
inline constexpr char kReferenceEnding[] = "  1";
inline constexpr char kWarmUpEnding[] = "  1 1x zum Warmlaufen!";
inline constexpr char kStorageLocation[] = "Speicherort : ";
inline constexpr char kPressEnter[] = "ENTER zum Beenden";

}  // namespace datacomp::texts
