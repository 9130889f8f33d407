#include "localisation/captiontable.h"

#include "localisation/languagefile.h"

#include <array>

namespace parlora {

namespace {
using enum CaptionWindow;
using enum CaptionKind;

constexpr int FirstMenuLine = 1;
constexpr int VersionLine = 57;

// The built-in texts are the Italian language file's lines.
constexpr std::array<CaptionLine, FixedLanguageLineCount> Lines{{
    {1, Main, "menuFile", Text, "File"},
    {2, Main, "menuImporta", Text, "&Importa file linguaggio"},
    {3, Main, "menuPulisci", Text, "&Pulisci"},
    {4, Main, "menuEsci", Text, "&Esci"},
    {5, Main, "menuModifica", Text, "&Modifica"},
    {6, Main, "menuTaglia", Text, "&Taglia"},
    {7, Main, "menuCopia1", Text, "&Copia"},
    {8, Main, "menuIncolla", Text, "&Incolla"},
    {9, Main, "menuLingua", Text, "&Traduzione"},
    {10, Main, "menuStrumenti", Text, "&Strumenti"},
    {11, Main, "menuDizionarioPersonale", Text, "&Dizionario personale"},
    {12, Main, "menuTastiera", Text, "&Tastiera"},
    {13, Main, "menuConfigurazione", Text, "&Opzioni..."},
    {14, Main, "menuDizionario", Text, "&Dizionario"},
    {15, Main, "menuInserisci", Text, "&Inserisci"},
    {16, Main, "menuCancella", Text, "&Cancella"},
    {17, Main, "menuAiuto", Text, "&?"},
    {18, Main, "menuHelp", Text, "&Help"},
    {19, Main, "menuInfo", Text, "&Info"},
    {20, Main, "menuPopup", Text, "&Popup"},
    {21, Main, "menuCopia2", Text, "&Copia"},
    {22, Main, "menuRipeti", Text, "&Ripeti Modifiche"},
    {23, Main, "menuAnnulla", Text, "&Annulla Modifiche"},
    {24, Main, "menuTraduci", Text, "&Traduci"},
    {25, Config, "", WindowTitle, "Opzioni"},
    {26, Config, "Frame1", Text, "&Lingua"},
    {27, Config, "ckbSimili", Text, "Ricerca parole &simili"},
    {28, Config, "cmdUpdate", Text, "&Controlla aggiornamenti"},
    {29, Config, "cmdAnnulla", Text, "Annulla"},
    {30, Config, "ckbFrasario", Text, "Ricerca in &frasario"},
    {31, Main, "lblParola1", Text, "&Parola"},
    {32, Main, "lblParola2", Text, "T&raduzione"},
    {33, Main, "lblParola3", Text, "Par&ole"},
    {34, Main, "lblParola4", Text, "Tradu&zione"},
    {35, Main, "frm1", Text, "Dizionario Personale"},
    {36, Info, "Label1", Text, "Ringraziamenti:"},
    {37, Info, "Label2", Text, "Autori: gli sviluppatori di Parlora"},
    {38, Info, "Label5", Text, "Parole:"},
    {39, Main, "txtParola", ToolTip, "Scrivi la parola o l'espressione da tradurre"},
    {40, Main, "Text1", ToolTip, "Voci del dizionario e frasi che contengono la parola"},
    {41, Main, "cmdTraduz", ToolTip, "Traduci (Invio)"},
    {42, Main, "lstTraduzioni", ToolTip, "Traduzioni trovate"},
    {43, Main, "lstSimili", ToolTip, "Parole simili: doppio clic per tradurle"},
    {44, Main, "txtParolaIta", ToolTip, "Parola italiana"},
    {45, Main, "txtParolaLin", ToolTip, "Traduzione portoghese"},
    {46, Main, "lstDicPer", ToolTip, "Voci del tuo dizionario personale"},
    {47, Main, "tbOpzioni", ToolTip, "Opzioni"},
    {48, Main, "tbCut", ToolTip, "Taglia"},
    {49, Main, "tbCopy", ToolTip, "Copia"},
    {50, Main, "tbPaste", ToolTip, "Incolla"},
    {51, Main, "tbDizionario", ToolTip, "Dizionario Personale"},
    {52, Main, "tbTastierino", ToolTip, "Tastierino"},
    {53, Main, "cmdDiz", ToolTip, "Apri o chiudi il dizionario personale"},
    {54, Main, "cmdTast", ToolTip, "Apri o chiudi il tastierino delle lettere accentate"},
    {55, Main, "tbRecycling", ToolTip, "Inverti la direzione della traduzione"},
    {56, Main, "Picture1", ToolTip, "Aggiungi la coppia al dizionario personale"},
    {57, Info, "Label6", Text, "versione"},
}};

// menuCopia3 is the copy command of another pop-up menu and says what
// menuCopia2 says; the pop-up menus are named like their menu bar menus,
// which is what a screen reader announces.
constexpr std::array<CaptionCopy, 6> Copies{{
    {"menuCancella", "menuCancella2"},
    {"menuRipeti", "menuRipeti2"},
    {"menuAnnulla", "menuAnnulla2"},
    {"menuCopia2", "menuCopia3"},
    {"menuPopup", "menuPopup2"},
    {"menuDizionario", "menuDizionario2"},
}};

constexpr bool linesAreNumberedInOrder()
{
    for (std::size_t index = 0; index < Lines.size(); ++index) {
        if (Lines[index].line != int(index) + 1)
            return false;
    }
    return true;
}
static_assert(linesAreNumberedInOrder(), "the table is applied by position");
} // namespace

std::span<const CaptionLine> captionTable()
{
    return Lines;
}

std::span<const CaptionCopy> captionCopies()
{
    return Copies;
}

QString captionText(const CaptionLine &entry, const QString &line)
{
    if (entry.line == FirstMenuLine)
        return QLatin1Char('&') + line;
    if (entry.line == VersionLine)
        return line + QLatin1Char(' ') + QLatin1String(ProgramVersionText);
    return line;
}

QStringList builtInCaptionLines()
{
    QStringList lines;
    lines.reserve(FixedLanguageLineCount);
    for (const CaptionLine &entry : Lines)
        lines.append(QString::fromUtf8(entry.builtIn));
    return lines;
}

} // namespace parlora
