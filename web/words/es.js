// Spanish.  The keys and placeholders are English's (en.js).
export const es = {
  tag: 'es',
  name: 'Español',
  words: {
    title: 'Tavrelon: cambia el banco de archivos PCG de KORG',
    language: 'Idioma',
    browserLanguage: 'El idioma del navegador',
    about: 'Asigna archivos PCG de KORG a otro banco.',
    step1:
      'Elige tus archivos PCG o una carpeta con ellos, o suelta lo que sea en cualquier parte de esta página. Cada archivo PCG muestra el banco en el que está ahora.',
    step2:
      'Elige el nuevo banco: en «Banco» para todos los archivos, o en la línea de un archivo solo para ese archivo.',
    step3: 'Pulsa «Cambiar banco».',
    howCopies: 'Después descarga las copias cambiadas y pon cada una en lugar de su original.',
    howInPlace:
      'Cada archivo se cambia donde está, en cuanto lo permitas; donde no se pueda, descargas en su lugar una copia cambiada.',
    privacy:
      'Un original queda como está hasta que su copia cambiada lo sustituye. Tus archivos nunca salen de este dispositivo: se leen y se cambian aquí, en tu navegador, y no se envía nada a ninguna parte.',
    pickFiles: 'Elegir archivos PCG',
    pickFolder: 'Elegir una carpeta',
    orDrop: 'o suéltalos en cualquier parte de esta página',
    bank: 'Banco',
    banksDiffer: 'Bancos distintos',
    changeBank: 'Cambiar banco',
    undo: 'Deshacer',
    downloadAll: 'Descargar todas las copias',
    footer: 'Tavrelon {version}, software libre con licencia MIT',
    bankLetter: 'banco {letter}',
    bankByte: 'byte de banco {byte}, sin letra de banco',
    rowGoing: '{from} → {to}: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}: {outcome}',
    rowChoice: 'Banco de {name}',
    download: 'Descargar {name}',
    refused: 'ERROR: El archivo no es un archivo PCG de KORG válido',
    unreadable: 'No se puede leer: es una carpeta, o se movió o se borró antes de poder leerlo.',
    gone: 'Ya no se puede leer: se movió, se borró o se cambió después de elegirlo. Vuelve a elegirlo.',
    saving: 'guardando en el archivo…',
    asking: 'esperando tu permiso para cambiar el archivo…',
    saved: 'guardado en el archivo',
    copy: 'hay una copia cambiada lista; el archivo no cambia hasta que la copia lo sustituya',
    notAllowed:
      'no guardado en el archivo, que este navegador no tuvo permiso para cambiar; en su lugar hay una copia cambiada lista',
    notAsked:
      'no guardado: el navegador no dejó a esta página pedir permiso para cambiar el archivo; pulsa «Cambiar banco» otra vez',
    writeFailed:
      'no guardado: no se pudo escribir el archivo; en su lugar hay una copia cambiada lista',
    puttingBack: 'restaurando…',
    putBack: 'restaurado',
    changedSince: 'se deja como está: se cambió, se movió o se borró después de guardarlo',
    backNotAllowed: 'no restaurado: este navegador no tuvo permiso para cambiar el archivo',
    backNotAsked:
      'no restaurado: el navegador no dejó a esta página pedir permiso para cambiar el archivo; pulsa «Deshacer» otra vez',
    backFailed: 'no restaurado: no se pudo escribir el archivo',
    banks: { one: 'Banco {banks}', other: 'Bancos {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}: {parts}.',
    separator: ', ',
    noPcg: 'Ningún archivo PCG',
    countSaved: {
      one: '{count} guardado en su archivo',
      other: '{count} guardados en sus archivos',
    },
    countPutBack: {
      one: '{count} restaurado en su archivo',
      other: '{count} restaurados en sus archivos',
    },
    countCopy: {
      one: '{count} copia para descargar',
      many: '{count} de copias para descargar',
      other: '{count} copias para descargar',
    },
    countPcg: {
      one: '{count} archivo PCG',
      many: '{count} de archivos PCG',
      other: '{count} archivos PCG',
    },
    countNotAsked: {
      one: '{count} aún no guardado: pulsa «Cambiar banco» otra vez',
      other: '{count} aún no guardados: pulsa «Cambiar banco» otra vez',
    },
    countBackNotAsked: {
      one: '{count} aún no restaurado: pulsa «Deshacer» otra vez',
      other: '{count} aún no restaurados: pulsa «Deshacer» otra vez',
    },
    countChangedSince: {
      one: '{count} se deja como está: se cambió, se movió o se borró después de guardarlo',
      other:
        '{count} se dejan como están: se cambiaron, se movieron o se borraron después de guardarlos',
    },
    countBackNotAllowed: {
      one: '{count} no restaurado: sin permiso',
      other: '{count} no restaurados: sin permiso',
    },
    countBackFailed: {
      one: '{count} no restaurado: no se pudo escribir',
      other: '{count} no restaurados: no se pudieron escribir',
    },
    countRefused: { one: '{count} rechazado', other: '{count} rechazados' },
    countUnreadable: { one: '{count} no se puede leer', other: '{count} no se pueden leer' },
    countGone: { one: '{count} ya no se puede leer', other: '{count} ya no se pueden leer' },
    countOthers: {
      one: '{count} archivo más',
      many: '{count} de archivos más',
      other: '{count} archivos más',
    },
    countFolders: {
      one: '{count} carpeta no se pudo leer',
      many: '{count} de carpetas no se pudieron leer',
      other: '{count} carpetas no se pudieron leer',
    },
    nothingRead:
      'No se pudo leer nada: el sistema o el navegador no dejó a esta página abrir lo que elegiste. Elige las carpetas que contiene, o los propios archivos PCG.',
    askingFor: {
      one: '{banks}: esperando tu permiso para cambiar {count} archivo…',
      many: '{banks}: esperando tu permiso para cambiar {count} de archivos…',
      other: '{banks}: esperando tu permiso para cambiar {count} archivos…',
    },
    progressLooking: {
      one: 'Revisando la carpeta: {count} archivo hasta ahora…',
      many: 'Revisando la carpeta: {count} de archivos hasta ahora…',
      other: 'Revisando la carpeta: {count} archivos hasta ahora…',
    },
    progressReading: {
      one: 'Leyendo {done} de {count} archivo…',
      many: 'Leyendo {done} de {count} de archivos…',
      other: 'Leyendo {done} de {count} archivos…',
    },
    progressSaving: {
      one: 'Guardando {done} de {count} archivo…',
      many: 'Guardando {done} de {count} de archivos…',
      other: 'Guardando {done} de {count} archivos…',
    },
    progressPuttingBack: {
      one: 'Restaurando {done} de {count} archivo…',
      many: 'Restaurando {done} de {count} de archivos…',
      other: 'Restaurando {done} de {count} archivos…',
    },
    zipName: 'copias PCG',
    leftOut:
      'Fuera del ZIP: se movió, se borró o se cambió después de elegirlo, o no se puede leer. Vuelve a elegirlo.',
    rowInZip: '{row}; en el ZIP como {path}',
    quoted: '«{name}»',
    countZipped: { one: '{count} copia en {zips}', other: '{count} copias en {zips}' },
    countLeftOut: '{count} fuera del ZIP',
    zipFailed: 'el navegador no aceptó el ZIP: descarga cada copia con su propio enlace',
    progressPacking: {
      one: 'Empaquetando {done} de {count} copia…',
      other: 'Empaquetando {done} de {count} copias…',
    },
    noWasm: 'ERROR: Este navegador no puede ejecutar Tavrelon (necesita WebAssembly).',
    noStart: 'ERROR: Tavrelon no pudo iniciarse: {error}',
  },
};
