#pragma once

#include <string_view>

// Every text the user sees, spelled exactly as shown. Lines within a message are separated by
// a carriage return alone.
namespace korvanel::texts {

inline constexpr std::string_view applicationName = "Korvanel";
inline constexpr std::string_view settingsSection = "Properties";
inline constexpr std::string_view titleText = "Korvanel V1.6";
inline constexpr std::string_view designedCaption = "Univerzalni Korvanel V1.6";
inline constexpr std::string_view captionSeparator = " - ";

// Buffer source
inline constexpr std::string_view bufferEmpty = "P r a z a n";
inline constexpr std::string_view bufferFromChip = "Novi chip";

// Port selection and identification
inline constexpr std::string_view openErrorStart = "Greska pri otvaranju COM";
inline constexpr std::string_view openErrorEnd = " porta !";
inline constexpr std::string_view selectPort =
    "Selektujte raspoloziv COM port !\r(Opcije -> Selekcija COM porta)";
inline constexpr std::string_view programmerOff = "Programer NIJE UKLJUCEN !";
inline constexpr std::string_view versionMismatch =
    "VERZIJA PROGRAMA NE ODGOVARA VERZIJI PROGRAMERA !!!";
inline constexpr std::string_view programmerLost =
    "Programer nije u funkciji !\r\rMOGUCI RAZLOZI:\rNapajanje;\rSerijski kabl;\rSelekcija COM "
    "porta.";

// Operations
inline constexpr std::string_view noPartSelected = "Nije selektovan model chipa !";
inline constexpr std::string_view bufferTooLargeForChip =
    "Fajl u baferu veci je od selektovanog cipa !!!";
inline constexpr std::string_view statusProgramming = "P R O G R A M I R A N J E";
inline constexpr std::string_view statusVerifying = "V E R I F I K A C I J A";
inline constexpr std::string_view statusBlankCheck = "P R A Z A N ???";
inline constexpr std::string_view statusReading = "C I T A N J E";
inline constexpr std::string_view statusOk = "OK";
inline constexpr std::string_view percentSuffix = " %";
inline constexpr std::string_view firstErrorStart = "Mesto prve greske na ";
inline constexpr std::string_view firstErrorMiddle = ". adresi, ukupno ";
inline constexpr std::string_view firstErrorEnd = "% gresaka !!";
inline constexpr std::string_view verifyFailed = "Greska u VERIFIKACIJI";
inline constexpr std::string_view chipNotBlank = "CHIP NIJE PRAZAN !!!";

// Buffer files
inline constexpr std::string_view loadDialogTitle = "Upis datoteke u bafer";
inline constexpr std::string_view loadDialogFilter =
    "Binarni fajlovi (*.bin)|*.bin|Svi fajlovi (*.*)|*.*";
inline constexpr std::string_view saveDialogTitle = "Save - bafer u fajl";
inline constexpr std::string_view saveDialogFilter = "Binarni fajl (*.bin)|*.bin";
inline constexpr std::string_view saveDialogFileName = "novi1.bin";
inline constexpr std::string_view fileTooLargeStart = "Fajl je prevelik za bafer: najvise ";
inline constexpr std::string_view fileTooLargeEnd = " bajtova !";
inline constexpr std::string_view saveFailedStart = "Greska pri snimanju fajla ";
inline constexpr std::string_view saveFailedEnd = " !";

// Main window
inline constexpr std::string_view menuBuffer = "&Bafer";
inline constexpr std::string_view menuLoad = "Upis u bafer";
inline constexpr std::string_view menuSave = "Bafer u fajl";
inline constexpr std::string_view menuClear = "Isprazni";
inline constexpr std::string_view menuExit = "&Kraj";
inline constexpr std::string_view menuProgram = "&Program";
inline constexpr std::string_view menuProgramming = "Programiranje";
inline constexpr std::string_view menuVerify = "Verifikacija";
inline constexpr std::string_view menuBlank = "Prazan ?";
inline constexpr std::string_view menuRead = "Chip u bafer";
inline constexpr std::string_view menuOptions = "&Opcije";
inline constexpr std::string_view menuPort = "Selekcija COM porta";
inline constexpr std::string_view menuOther = "Ostalo";
inline constexpr std::string_view menuAbout = "Autor programa";

inline constexpr std::string_view tipList = "Selekcija chipa";
inline constexpr std::string_view suffixFrame = "Sufiks: ";
inline constexpr std::string_view suffixBox = "(93 - -) X";
inline constexpr std::string_view tipSuffixBox = "Familija 93xx moze imati sufiks \"X\" !";
inline constexpr std::string_view selectedFrame = " Selektovani model: ";
inline constexpr std::string_view tipPackage = "Pin #1 GORE !!!";
inline constexpr std::string_view modelLabel = "MODEL:";
inline constexpr std::string_view familyFrame = "Frame4";
inline constexpr std::string_view familyLabel = "Selekcija FAMILIJE";
inline constexpr std::string_view bufferLabel = "BAFER:";
inline constexpr std::string_view tipBuffer = "Sadrzaj bafera";
inline constexpr std::string_view statusLabel = "Status:";

// About box
inline constexpr std::string_view aboutCaption = "Autor";
inline constexpr std::string_view aboutProduct = "SERIAL Korvanel";
inline constexpr std::string_view aboutVersion = "Verzija 1.6";
inline constexpr std::string_view aboutMaker = "Korvanel tim";
inline constexpr std::string_view aboutPhone = "tel: +381 11 000 0000";
inline constexpr std::string_view aboutEmail = "e-mail: podrska@korvanel.example";
inline constexpr std::string_view aboutOk = "OK";

// Tool-bar tool tips and descriptions
inline constexpr std::string_view tipLoad = "Datoteka u bafer";
inline constexpr std::string_view tipSave = "Bafer u datoteku";
inline constexpr std::string_view descSave = "Memorisanje fajla";
inline constexpr std::string_view tipClear = "Praznjenje bafera";
inline constexpr std::string_view tipProgram = "Programiranje cipa sadrzajem bafera";
inline constexpr std::string_view descProgram = "Programiranje";
inline constexpr std::string_view tipVerify = "Verifikacija: cip=bafer ?";
inline constexpr std::string_view descVerify = "Verifikovanje";
inline constexpr std::string_view tipBlank = "Provera: prazan cip ?";
inline constexpr std::string_view descBlank = "Provera praznog cipa";
inline constexpr std::string_view tipRead = "Upis sadrzaja cipa u bafer";
inline constexpr std::string_view descRead = "Citanje iz cipa";
inline constexpr std::string_view tipFamilyIic = "familija 24xx, SDA25xx, 85Cxx";
inline constexpr std::string_view tipFamilyMware = "familija 93xx, 59C11, CAT35Cxxx";
inline constexpr std::string_view tipFamilySpi = "familija 25xxx";
inline constexpr std::string_view tipFamilyOther = "MDA, NVM, SDA2506";

} // namespace korvanel::texts
