// German.  The keys and placeholders are English's (en.js).
export const de = {
  tag: 'de',
  name: 'Deutsch',
  words: {
    title: 'Tavrelon: die Bank von KORG-PCG-Dateien ändern',
    language: 'Sprache',
    browserLanguage: 'Sprache des Browsers',
    about: 'Weist KORG-PCG-Dateien einer anderen Bank zu.',
    step1:
      'Wählen Sie Ihre PCG-Dateien oder einen Ordner mit ihnen, oder ziehen Sie beides irgendwo auf diese Seite. Jede PCG-Datei zeigt die Bank, in der sie jetzt ist.',
    step2:
      'Wählen Sie die neue Bank: unter „Bank“ für alle Dateien oder in der Zeile einer Datei nur für diese Datei.',
    step3: 'Drücken Sie „Bank ändern“.',
    howCopies:
      'Laden Sie dann die geänderten Kopien herunter und ersetzen Sie mit jeder ihr Original.',
    howInPlace:
      'Jede Datei wird dort geändert, wo sie ist, sobald Sie es erlauben; wo das nicht geht, laden Sie stattdessen eine geänderte Kopie herunter.',
    privacy:
      'Ein Original bleibt, wie es ist, bis seine geänderte Kopie es ersetzt. Ihre Dateien verlassen dieses Gerät nie. Gelesen und geändert werden sie hier, in Ihrem Browser, und nichts wird irgendwohin gesendet.',
    pickFiles: 'PCG-Dateien wählen',
    pickFolder: 'Ordner wählen',
    orDrop: 'oder irgendwo auf diese Seite ziehen',
    bank: 'Bank',
    banksDiffer: 'Banken verschieden',
    changeBank: 'Bank ändern',
    undo: 'Rückgängig',
    downloadAll: 'Alle Kopien herunterladen',
    footer: 'Tavrelon {version}, freie Software unter der MIT-Lizenz',
    bankLetter: 'Bank {letter}',
    bankByte: 'Bank-Byte {byte}, kein Bankbuchstabe',
    rowGoing: '{from} → {to}: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}: {outcome}',
    rowChoice: 'Bank für {name}',
    download: '{name} herunterladen',
    refused: 'FEHLER: Die Datei ist keine gültige KORG-PCG-Datei',
    unreadable:
      'Nicht lesbar: ein Ordner, oder die Datei wurde verschoben oder gelöscht, bevor sie gelesen werden konnte.',
    gone: 'Nicht mehr lesbar: Die Datei wurde verschoben, gelöscht oder geändert, nachdem Sie sie gewählt haben. Wählen Sie sie erneut.',
    saving: 'wird in der Datei gespeichert…',
    asking: 'wartet auf Ihre Erlaubnis, die Datei zu ändern…',
    saved: 'in der Datei gespeichert',
    copy: 'eine geänderte Kopie ist bereit; die Datei selbst bleibt unverändert, bis die Kopie sie ersetzt',
    notAllowed:
      'nicht in der Datei gespeichert, denn dieser Browser durfte sie nicht ändern; stattdessen ist eine geänderte Kopie bereit',
    notAsked:
      'nicht gespeichert: Der Browser ließ diese Seite nicht um Erlaubnis fragen, die Datei zu ändern; drücken Sie erneut „Bank ändern“',
    writeFailed:
      'nicht gespeichert: Die Datei konnte nicht geschrieben werden; stattdessen ist eine geänderte Kopie bereit',
    puttingBack: 'wird zurückgesetzt…',
    putBack: 'zurückgesetzt',
    changedSince:
      'so gelassen: Die Datei wurde nach dem Speichern geändert, verschoben oder gelöscht',
    backNotAllowed: 'nicht zurückgesetzt: Dieser Browser durfte die Datei nicht ändern',
    backNotAsked:
      'nicht zurückgesetzt: Der Browser ließ diese Seite nicht um Erlaubnis fragen, die Datei zu ändern; drücken Sie erneut „Rückgängig“',
    backFailed: 'nicht zurückgesetzt: Die Datei konnte nicht geschrieben werden',
    banks: { one: 'Bank {banks}', other: 'Banken {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}: {parts}.',
    separator: ', ',
    noPcg: 'Keine PCG-Dateien',
    countSaved: {
      one: '{count} in ihrer Datei gespeichert',
      other: '{count} in ihren Dateien gespeichert',
    },
    countPutBack: {
      one: '{count} in ihrer Datei zurückgesetzt',
      other: '{count} in ihren Dateien zurückgesetzt',
    },
    countCopy: {
      one: '{count} Kopie zum Herunterladen',
      other: '{count} Kopien zum Herunterladen',
    },
    countPcg: { one: '{count} PCG-Datei', other: '{count} PCG-Dateien' },
    countNotAsked: '{count} noch nicht gespeichert: Drücken Sie erneut „Bank ändern“',
    countBackNotAsked: '{count} noch nicht zurückgesetzt: Drücken Sie erneut „Rückgängig“',
    countChangedSince: '{count} so gelassen: nach dem Speichern geändert, verschoben oder gelöscht',
    countBackNotAllowed: '{count} nicht zurückgesetzt: nicht erlaubt',
    countBackFailed: '{count} nicht zurückgesetzt: nicht schreibbar',
    countRefused: '{count} abgelehnt',
    countUnreadable: '{count} nicht lesbar',
    countGone: '{count} nicht mehr lesbar',
    countOthers: { one: '{count} andere Datei', other: '{count} andere Dateien' },
    countFolders: '{count} Ordner nicht lesbar',
    nothingRead:
      'Nichts konnte gelesen werden: Das System oder der Browser ließ diese Seite nicht öffnen, was Sie gewählt haben. Wählen Sie die Ordner darin oder die PCG-Dateien selbst.',
    askingFor: {
      one: '{banks}: Warte auf Ihre Erlaubnis, {count} Datei zu ändern…',
      other: '{banks}: Warte auf Ihre Erlaubnis, {count} Dateien zu ändern…',
    },
    progressLooking: {
      one: 'Durchsuche den Ordner: bisher {count} Datei…',
      other: 'Durchsuche den Ordner: bisher {count} Dateien…',
    },
    progressReading: {
      one: 'Lese {done} von {count} Datei…',
      other: 'Lese {done} von {count} Dateien…',
    },
    progressSaving: {
      one: 'Speichere {done} von {count} Datei…',
      other: 'Speichere {done} von {count} Dateien…',
    },
    progressPuttingBack: {
      one: 'Setze {done} von {count} Datei zurück…',
      other: 'Setze {done} von {count} Dateien zurück…',
    },
    zipName: 'PCG-Kopien',
    leftOut:
      'Nicht in der ZIP-Datei: Die Datei wurde verschoben, gelöscht oder geändert, nachdem Sie sie gewählt haben, oder sie ist nicht lesbar. Wählen Sie sie erneut.',
    rowInZip: '{row}; in der ZIP-Datei als {path}',
    quoted: '„{name}“',
    countZipped: { one: '{count} Kopie in {zips}', other: '{count} Kopien in {zips}' },
    countLeftOut: '{count} nicht in der ZIP-Datei',
    zipFailed:
      'der Browser hat die ZIP-Datei nicht angenommen: Laden Sie jede Kopie über ihren eigenen Link herunter',
    progressPacking: {
      one: 'Packe {done} von {count} Kopie…',
      other: 'Packe {done} von {count} Kopien…',
    },
    noWasm: 'FEHLER: Dieser Browser kann Tavrelon nicht ausführen (es braucht WebAssembly).',
    noStart: 'FEHLER: Tavrelon konnte nicht starten: {error}',
  },
};
