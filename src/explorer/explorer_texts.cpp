#include "explorer/explorer_texts.h"

#include <array>

namespace {

constexpr int kLanguageCount = 9;
constexpr int kExplorerTextCount = 20;

// Slots in the order of the rows below.
constexpr QString ExplorerTexts::*kSlots[kExplorerTextCount] = {
    &ExplorerTexts::sDiskInvalid,    &ExplorerTexts::sDiskNone,     &ExplorerTexts::sDiskOr,
    &ExplorerTexts::sDiskNotReady,   &ExplorerTexts::sColName,      &ExplorerTexts::sColType,
    &ExplorerTexts::sColPath,        &ExplorerTexts::sColExtension, &ExplorerTexts::sColSize,
    &ExplorerTexts::sColCreated,     &ExplorerTexts::sColModified,  &ExplorerTexts::sColAccessed,
    &ExplorerTexts::sColAttributes,  &ExplorerTexts::sDriveUnknown, &ExplorerTexts::sDriveNoRoot,
    &ExplorerTexts::sDriveRemovable, &ExplorerTexts::sDriveFixed,   &ExplorerTexts::sDriveNetwork,
    &ExplorerTexts::sDriveCdRom,     &ExplorerTexts::sDriveRam,
};

// The texts of every language, one row per language in slot order.

const char8_t *const kTexts[kLanguageCount][kExplorerTextCount] = {
    // English
    {u8"Not a valid Drive ID",
     u8"There is no disk in Drive ",
     u8"or Drive ",
     u8" is not ready",
     u8"Name",
     u8"Type",
     u8"Path",
     u8"Extension",
     u8"Size(Bytes)",
     u8"Created",
     u8"Modified",
     u8"Accessed",
     u8"Attributes",
     u8"Unknown",
     u8"Not Exist",
     u8"Removable Disk",
     u8"Fixed Disk",
     u8"Network Disk",
     u8"CD-ROM",
     u8"RAM Disk"},
    // Spanish
    {u8"No es un Disco Valido",
     u8"No hay Disco en la Unidad ",
     u8"o Unidad ",
     u8" no esta preparado",
     u8"Nombre",
     u8"Tipo",
     u8"Directorio",
     u8"Extensión",
     u8"Tamaño(Bytes)",
     u8"Creado",
     u8"Modificado",
     u8"Ultimo Acceso",
     u8"Atributos",
     u8"Desconocido",
     u8"No Existe",
     u8"Disco Removible",
     u8"Disco Fijo",
     u8"Disco de Red",
     u8"CD-ROM",
     u8"Disco RAM"},
    // Catalan
    {u8"No es un Disc Vàlid",
     u8"No hi ha cap Disco a la Unidat ",
     u8"o la Unidat ",
     u8" no està preparada",
     u8"Nom",
     u8"Tipus",
     u8"Directori",
     u8"Extensió",
     u8"Tamany(Bytes)",
     u8"Creació",
     u8"Modificat",
     u8"Darrer Accés",
     u8"Atributs",
     u8"Desconegut",
     u8"No Existeix",
     u8"Disc Removible",
     u8"Disc Fixe",
     u8"Disc de Xarxa",
     u8"CD-ROM",
     u8"Disc RAM"},
    // French
    {u8"Identifiant de disque invalide",
     u8"Il n'y a pas de disque dans le lecteur ",
     u8"ou lecteur ",
     u8" n'est pas prêt",
     u8"Nom",
     u8"Type",
     u8"Chemin",
     u8"Ext",
     u8"Taille(Octets)",
     u8"Créé",
     u8"Modifié",
     u8"Accédé",
     u8"Attributs",
     u8"Inconnu",
     u8"N'existe pas",
     u8"Disque Amovible",
     u8"Disque Fixe",
     u8"Disque réseau",
     u8"CD-ROM",
     u8"Disque RAM"},
    // Dutch
    {u8"Geen geldige disk-ID",
     u8"Er is geen disk in drive ",
     u8"of drive ",
     u8" niet gereed",
     u8"Naam",
     u8"Type",
     u8"Pad",
     u8"Ext",
     u8"Grootte (Bytes)",
     u8"Dadel",
     u8"Gewijzigd",
     u8"Oprijlaan",
     u8"Attributen",
     u8"Onbekend",
     u8"bestaat niet",
     u8"Verwisselbare schijf",
     u8"Vaste schijf",
     u8"Netwerkschijf",
     u8"CD-ROM",
     u8"Ramdisk"},
    // German
    {u8"Ungültiges Laufwerk ",
     u8"Keine Diskette in Laufwk. ",
     u8"oder Lw. ",
     u8" nicht bereit",
     u8"Name",
     u8"Typ ",
     u8"Pfad",
     u8"Erweiter.",
     u8"Größe(Byte)",
     u8"Anlage ",
     u8"Geändert",
     u8"Zugriff ",
     u8"Attribute ",
     u8"Unbekan",
     u8"Nicht da ",
     u8"Wechselmedium ",
     u8"Festplatte",
     u8"Netzw.platte",
     u8"CD-ROM",
     u8"RAM Disk"},
    // Portuguese
    {u8"Drive ID inválida",
     u8"Não há disco no drive ",
     u8"ou drive ",
     u8" não está pronto",
     u8"Nome",
     u8"Tipo",
     u8"Caminho",
     u8"Ext",
     u8"Tamanho(Bytes)",
     u8"Críe",
     u8"Modificado",
     u8"Acesso",
     u8"Atributos",
     u8"Desconhecido",
     u8"Não existe",
     u8"Disco removível",
     u8"Disco fixo",
     u8"Disco de rede",
     u8"CD-ROM",
     u8"RAM disk"},
    // Italian
    {u8"Unità non valida",
     u8"Nessun disco nell'unità ",
     u8"o unità ",
     u8" non pronta",
     u8"Nome",
     u8"Tipo",
     u8"Percorso",
     u8"Estensione",
     u8"Dim. (Bytes)",
     u8"Creato",
     u8"Modificato",
     u8"Ultimo accesso",
     u8"Attributi",
     u8"Sconosciuta",
     u8"Inesistente",
     u8"Disco rimovibile",
     u8"Disco fisso",
     u8"Disco di rete",
     u8"CD-ROM",
     u8"Disco virtuale"},
    // Polish
    {u8"Niwłaściwe ID dysku",
     u8"Brak dysku w napędzie",
     u8"lub napęd",
     u8" nie jest gotowy",
     u8"Nazwa",
     u8"Typ",
     u8"Ścieżka",
     u8"Rozszerzenie",
     u8"Rozmiar(Bajty)",
     u8"Stworzony",
     u8"Zmodyfikowany",
     u8"Odczytany",
     u8"Atrybuty",
     u8"Nieznany",
     u8"Nie istnieje",
     u8"Wymienny dysk",
     u8"Stały dysk",
     u8"Dysk sieciowy",
     u8"CD-ROM",
     u8"RAM Dysk"},
};

} // namespace

ExplorerTexts ExplorerTextsFor(int language) {
  if (language < 0 || language >= kLanguageCount)
    language = 0;
  ExplorerTexts texts;
  for (int i = 0; i < kExplorerTextCount; ++i)
    texts.*kSlots[i] = QString::fromUtf8(reinterpret_cast<const char *>(kTexts[language][i]));
  return texts;
}

const ExplorerTexts &ExplorerTextsOf(int language) {
  static const std::array<ExplorerTexts, kLanguageCount> all = [] {
    std::array<ExplorerTexts, kLanguageCount> texts;
    for (int l = 0; l < kLanguageCount; ++l)
      texts[size_t(l)] = ExplorerTextsFor(l);
    return texts;
  }();
  return all[size_t(language < 0 || language >= kLanguageCount ? 0 : language)];
}
