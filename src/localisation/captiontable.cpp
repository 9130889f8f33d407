#include "localisation/captiontable.h"

#include "localisation/languagefile.h"

#include <array>

namespace parlora {

namespace {
using enum CaptionWindow;
using enum CaptionKind;

constexpr int FirstMenuLine = 1;
constexpr int VersionLine = 57;

constexpr std::array<CaptionLine, FixedLanguageLineCount> Lines{{
    {1, Main, "menuFile", Text, "File"},
    {2, Main, "menuImporta", Text, "Importa file linguaggio"},
    {3, Main, "menuPulisci", Text, "Pulisci"},
    {4, Main, "menuEsci", Text, "Esci"},
    {5, Main, "menuModifica", Text, "&Modifica"},
    {6, Main, "menuTaglia", Text, "Taglia"},
    {7, Main, "menuCopia1", Text, "Copia"},
    {8, Main, "menuIncolla", Text, "Incolla"},
    {9, Main, "menuLingua", Text, "Traduzione"},
    {10, Main, "menuStrumenti", Text, "&Strumenti"},
    {11, Main, "menuDizionarioPersonale", Text, "Dizionario personale"},
    {12, Main, "menuTastiera", Text, "Tastiera"},
    {13, Main, "menuConfigurazione", Text, "&Opzioni..."},
    {14, Main, "menuDizionario", Text, "Dizionario"},
    {15, Main, "menuInserisci", Text, "Inserisci"},
    {16, Main, "menuCancella", Text, "Cancella"},
    {17, Main, "menuAiuto", Text, "&?"},
    {18, Main, "menuHelp", Text, "Help"},
    {19, Main, "menuInfo", Text, "Info"},
    {20, Main, "menuPopup", Text, "&Popup"},
    {21, Main, "menuCopia2", Text, "Copia"},
    {22, Main, "menuRipeti", Text, "Ripeti Modifiche"},
    {23, Main, "menuAnnulla", Text, "Annulla Modifiche"},
    {24, Main, "menuTraduci", Text, "Traduci"},
    {25, Config, "", WindowTitle, "Opzioni"},
    {26, Config, "Frame1", Text, "Lingua"},
    {27, Config, "ckbSimili", Text, "Ricerca parole simili"},
    {28, Config, "cmdUpdate", Text, "Controlla aggiornamenti"},
    {29, Config, "cmdAnnulla", Text, "Annulla"},
    {30, Config, "ckbFrasario", Text, "Ricerca in frasario"},
    {31, Main, "lblParola1", Text, "Parola"},
    {32, Main, "lblParola2", Text, "Traduzione"},
    {33, Main, "lblParola3", Text, "Parole"},
    {34, Main, "lblParola4", Text, "Traduzione"},
    {35, Main, "frm1", Text, "Dizionario Personale"},
    {36, Info, "Label1", Text, "Ringraziamenti:"},
    {37, Info, "Label2", Text, "Autori: gli sviluppatori di Parlora"},
    {38, Info, "Label5", Text, "Parole:"},
    {39, Main, "txtParola", ToolTip, ""},
    {40, Main, "Text1", ToolTip, ""},
    {41, Main, "cmdTraduz", ToolTip, ""},
    {42, Main, "lstTraduzioni", ToolTip, ""},
    {43, Main, "lstSimili", ToolTip, ""},
    {44, Main, "txtParolaIta", ToolTip, ""},
    {45, Main, "txtParolaLin", ToolTip, ""},
    {46, Main, "lstDicPer", ToolTip, ""},
    {47, Main, "Opzioni", ToolbarToolTip, "Opzioni"},
    {48, Main, "Cut", ToolbarToolTip, "Taglia"},
    {49, Main, "Copy", ToolbarToolTip, "Copia"},
    {50, Main, "Paste", ToolbarToolTip, "Incolla"},
    {51, Main, "Dizionario", ToolbarToolTip, "Dizionario Personale"},
    {52, Main, "Tastierino", ToolbarToolTip, "Tastierino"},
    {53, Main, "cmdDiz", ToolTip, ""},
    {54, Main, "cmdTast", ToolTip, ""},
    {55, Main, "Recycling", ToolbarToolTip, ""},
    {56, Main, "Picture1", ToolTip, ""},
    {57, Info, "Label6", Text, "versione 3.0"},
}};

// menuCopia3 is the copy command of another pop-up menu and says what
// menuCopia2 says.
constexpr std::array<CaptionCopy, 4> Copies{{
    {"menuCancella", "menuCancella2"},
    {"menuRipeti", "menuRipeti2"},
    {"menuAnnulla", "menuAnnulla2"},
    {"menuCopia2", "menuCopia3"},
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

} // namespace parlora
