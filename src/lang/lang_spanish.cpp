// The Spanish texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillSpanishTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Vista &Previa Instantánea");
  t.sTabFileName = QStringLiteral("&Nombre de Archivo");
  t.sTabExtension = QStringLiteral("&Extensión");
  t.sTabAutoNumber = QStringLiteral("&Autonumeración");
  t.sTabMoreOptions = QStringLiteral("&Más Opciones");
  t.sUndo = QStringLiteral("&Deshacer");
  t.sRename = QStringLiteral("&Renombra");
  t.sInfo = QStringLiteral("In&fo");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Máscara ");
  t.sReplaceWith = QStringLiteral("Reemplazar Con");
  t.sReplaceText = QStringLiteral("Reemplazar Texto");
  t.sWithNewText = QStringLiteral("Con este Nuevo Texto");
  t.sMatchCase = QStringLiteral("Distinguir Mayúsculas en la Búsqueda");
  t.sRegularExpression = QStringLiteral("Expresión Regular");
  t.sMakeNamesUnique = QStringLiteral("Hacer Nombres Únicos");
  t.sLeftCrop = QStringLiteral("Recortar por la Izquierda");
  t.sRightCrop = QStringLiteral("Recortar por la Derecha");
  t.sInsertBefore = QStringLiteral("Insertar Antes");
  t.sInsertAfter = QStringLiteral("Insertar Después");
  t.sNoCaseChanges = QStringLiteral("Sin Cambios de Mayúsculas");
  t.sUpperCase = QStringLiteral("Mayúsculas");
  t.sLowerCase = QStringLiteral("Minúsculas");
  t.sFirstLetterUp = QStringLiteral("Primera Letra en Mayúscula");
  t.sFirstLetterLow = QStringLiteral("Primera Letra en Minúscula");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Sin Cambios");
  t.sBeforeFilename = QStringLiteral("An&tes del Nombre");
  t.sAfterFilename = QStringLiteral("Desp&ués del Nombre");
  t.sStartAt = QStringLiteral("Empezar en");
  t.sIncrement = QStringLiteral("Incremento");
  t.sZeroFill = QStringLiteral("Relleno de Ceros");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("Iniciar Ma&ximizado");
  t.sRememberLastPath = QStringLiteral("Recordar la Ú&ltima Ruta");
  t.sByPath = QStringLiteral("Por Carpeta");
  t.sRememberPosition = QStringLiteral("Recordar Posición && Tamaño del Pro&grama");
  t.sSetDefaultValues = QStringLiteral("&Valores por Defecto");
  t.sAddShellEntry = QStringLiteral("Añadir \"Zelvo Rename desde Aquí\" al Menú Con&textual");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename desde Aquí");
  t.sRemoveShellEntry = QStringLiteral("Quitar \"Zelvo Rename desde Aquí\" del Menú Con&textual");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Haz Doble Click");
  t.sRefreshHint2 = QStringLiteral("Sobre Este Texto");
  t.sRefreshHint3 = QStringLiteral("Para Actualizar la Ventana");
  t.sRefreshHint4 = QStringLiteral("de Vista Previa");
  t.sPreviewWindow = QStringLiteral("Vista Previa");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Esta es la Vista Previa,");
  t.sPreviewHelp2 = QStringLiteral("Donde Puedes Ver el");
  t.sPreviewHelp3 = QStringLiteral("Resultado de tu Petición.");
  t.sPreviewHelp4 = QStringLiteral("Pulsa el Botón Derecho para");
  t.sPreviewHelp5 = QStringLiteral("ver el Menú de Opciones.");
  t.sPreviewHelp6 = QStringLiteral("Puedes Salvar esta Vista");
  t.sPreviewHelp7 = QStringLiteral("Previa, Crear un Archivo .BAT");
  t.sPreviewHelp8 = QStringLiteral("o Salvar tus Opciones...");
  t.sPreviewHelp9 = QStringLiteral(""); // empty in this language

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Este es un Archivo Oculto. ¿Renombrarlo?");
  t.sSelectedFile = QStringLiteral("El archivo seleccionado");
  t.sAlreadyExists = QStringLiteral("ya existe. ¿Deseas sobreescribir?");
  t.sFile = QStringLiteral("Archivo");
  t.sSaved = QStringLiteral("Salvado");
  t.sFileError = QStringLiteral("Ha Ocurrido un Error con el archivo seleccionado");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("Crear un Archivo .BAT para &Deshacer");
  t.sSavePreviewTxt = QStringLiteral("Salvar la Vista &Previa a un .TXT");
  t.sMakeRenameBat = QStringLiteral("&Crear un Archivo .BAT para Renombrar");
  t.sOpenOptions = QStringLiteral("&Abrir las Opciones ZR de un .INI");
  t.sSaveOptions = QStringLiteral("&Salvar las Opciones ZR a un .INI");
  t.sOptions = QStringLiteral("&Opciones");
  t.sRecursiveDirectories = QStringLiteral("Directorios &Recursivos");
  t.sRefresh = QStringLiteral("Ac&tualizar");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Ver &Carpetas");
  t.sViewFiles = QStringLiteral("Ver Arc&hivos");
  t.sWorkWithFolders = QStringLiteral("Tra&bajar con Carpetas");
  t.sFiles = QStringLiteral("Archivos");
  t.sFolders = QStringLiteral("Carpetas");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Esta opción sólo funciona cuando \"Ver Carpetas\" no está activado.");
  t.sLanguage = QStringLiteral("&Idioma");
  t.sErrorsTitle = QStringLiteral("Errores al Renombrar Archivos");
  t.sErrorsHeader = QStringLiteral("Estos Archivos no se han Renombrado:");
  t.sManual = QStringLiteral("Manual");

  // Variables menu
  t.sGraphics = QStringLiteral("Gráficos");
  t.sMP3 = QStringLiteral("MP3");
  t.sHTML = QStringLiteral("HTML");
  t.sN64Roms = QStringLiteral("Roms de Nintendo 64");
  t.sManualNumber = QStringLiteral("Número Manual");
  t.sFileDate = QStringLiteral("Fecha del Archivo");
  t.sColumnData = QStringLiteral("Datos de Columna");
  t.sExternalData = QStringLiteral("Datos de un Archivo Externo");
  t.sWidth = QStringLiteral("Ancho");
  t.sHeight = QStringLiteral("Alto");
  t.sColorsAbbrev = QStringLiteral("Colores (Abreviado)");
  t.sColors = QStringLiteral("Colores");
  t.sBits = QStringLiteral("Bits");
  t.sTitle = QStringLiteral("Título");
  t.sArtist = QStringLiteral("Artista");
  t.sAlbum = QStringLiteral("Album");
  t.sYear = QStringLiteral("Año");
  t.sComment = QStringLiteral("Comentario");
  t.sRandomName = QStringLiteral("Nombre Aleatorio");
  t.sCharacters = QStringLiteral("Caracteres");
  t.sDecimal = QStringLiteral("Decimal");
  t.sHexadecimal = QStringLiteral("Hexadecimal");
  t.sOctal = QStringLiteral("Octal");
  t.sBinary = QStringLiteral("Binario");
  t.sExcelMode = QStringLiteral("Modo Excel");
  t.sExcelNumbers = QStringLiteral("Números Excel");
  t.sManualChars = QStringLiteral("Números de la Autonumeración Manual");
  t.sCurrentZeroFill = QStringLiteral("Relleno de Ceros Actual");
  t.sTodayDate = QStringLiteral("Fecha de Hoy");
  t.sYY = QStringLiteral("YY");
  t.sMM = QStringLiteral("MM");
  t.sDD = QStringLiteral("DD");
  t.sHH = QStringLiteral("HH");
  t.sMin = QStringLiteral("MM");
  t.sWithoutExtension = QStringLiteral("Sin Extensión");
  t.sIdentical = QStringLiteral("Idéntico");
  t.sInMegabytes = QStringLiteral("En Megabytes");
  t.sInKilobytes = QStringLiteral("En Kilobytes");
  t.sUnformatted = QStringLiteral("Sin Formato");
  t.sFormatted = QStringLiteral("Con Formato");
  t.sOpenEditor = QStringLiteral("Abrir Editor");
  t.sInsertLine = QStringLiteral("Insertar Línea del Editor");
  t.sPhoto = QStringLiteral("Foto");
  t.sMusic = QStringLiteral("Música");
  t.sDateTaken = QStringLiteral("Fecha de la Toma");
  t.sCamera = QStringLiteral("Cámara");
  t.sMake = QStringLiteral("Marca");
  t.sModel = QStringLiteral("Modelo");
  t.sTrack = QStringLiteral("Pista");
  t.sTrackZeroFill = QStringLiteral("Pista (Relleno de Ceros)");
  t.sGenre = QStringLiteral("Género");

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nombre");
  t.sPath = QStringLiteral("Ruta");
  t.sSize = QStringLiteral("Tamaño");
  t.sType = QStringLiteral("Tipo");
  t.sAttributes = QStringLiteral("Atributos");
  t.sNoAccents = QStringLiteral("Sin Acentos");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Renombrados: %1");
  t.sRunNotRenamed = QStringLiteral("sin renombrar: %1");
  t.sUndoPutBack = QStringLiteral("Nombres restaurados: %1");
  t.sUndoPutBackOne = QStringLiteral("1 nombre restaurado");
  t.sUndoNotPutBack = QStringLiteral("sin restaurar: %1");
  t.sErrorsNewName = QStringLiteral("Nombre nuevo");
  t.sErrorsReason = QStringLiteral("Motivo");
  t.sFolderNotFound = QStringLiteral("La carpeta \"%1\" no existe.");
}
