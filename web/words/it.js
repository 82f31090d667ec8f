// Italian.  The keys and placeholders are English's (en.js).
export const it = {
  tag: 'it',
  name: 'Italiano',
  words: {
    title: 'Tavrelon: cambia il banco dei file PCG KORG',
    language: 'Lingua',
    browserLanguage: 'La lingua del browser',
    about: 'Assegna i file PCG KORG a un altro banco.',
    step1:
      'Scegli i tuoi file PCG o una cartella che li contiene, oppure trascinali in un punto qualsiasi di questa pagina. Ogni file PCG mostra il banco in cui si trova ora.',
    step2:
      'Scegli il nuovo banco: in «Banco» per tutti i file, oppure sulla riga di un file solo per quel file.',
    step3: 'Premi «Cambia banco».',
    howCopies: 'Poi scarica le copie modificate e metti ciascuna al posto del suo originale.',
    howInPlace:
      'Ogni file viene modificato dove si trova, non appena lo consenti; dove non si può, scarichi invece una copia modificata.',
    privacy:
      'Un originale resta com’è finché la sua copia modificata non lo sostituisce. I tuoi file non lasciano mai questo dispositivo: vengono letti e modificati qui, nel tuo browser, e nulla viene inviato altrove.',
    pickFiles: 'Scegli file PCG',
    pickFolder: 'Scegli una cartella',
    orDrop: 'oppure trascinali in un punto qualsiasi di questa pagina',
    bank: 'Banco',
    banksDiffer: 'Banchi diversi',
    changeBank: 'Cambia banco',
    undo: 'Annulla',
    downloadAll: 'Scarica tutte le copie',
    footer: 'Tavrelon {version}, software libero con licenza MIT',
    bankLetter: 'banco {letter}',
    bankByte: 'byte del banco {byte}, nessuna lettera di banco',
    rowGoing: '{from} → {to}: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}: {outcome}',
    rowChoice: 'Banco per {name}',
    download: 'Scarica {name}',
    refused: 'ERRORE: il file non è un file PCG KORG valido',
    unreadable:
      'Non leggibile: è una cartella, oppure è stato spostato o eliminato prima di poter essere letto.',
    gone: 'Non più leggibile: è stato spostato, eliminato o modificato dopo che l’hai scelto. Sceglilo di nuovo.',
    saving: 'salvataggio nel file…',
    asking: 'in attesa del tuo permesso per modificare il file…',
    saved: 'salvato nel file',
    copy: 'una copia modificata è pronta; il file resta invariato finché la copia non lo sostituisce',
    notAllowed:
      'non salvato nel file, che questo browser non ha avuto il permesso di modificare; al suo posto è pronta una copia modificata',
    notAsked:
      'non salvato: il browser non ha permesso a questa pagina di chiedere di modificare il file; premi di nuovo «Cambia banco»',
    writeFailed:
      'non salvato: non è stato possibile scrivere il file; al suo posto è pronta una copia modificata',
    puttingBack: 'ripristino…',
    putBack: 'ripristinato',
    changedSince: 'lasciato com’è: è stato modificato, spostato o eliminato dopo il salvataggio',
    backNotAllowed:
      'non ripristinato: questo browser non ha avuto il permesso di modificare il file',
    backNotAsked:
      'non ripristinato: il browser non ha permesso a questa pagina di chiedere di modificare il file; premi di nuovo «Annulla»',
    backFailed: 'non ripristinato: non è stato possibile scrivere il file',
    banks: { one: 'Banco {banks}', other: 'Banchi {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}: {parts}.',
    separator: ', ',
    noPcg: 'Nessun file PCG',
    countSaved: { one: '{count} salvato nel suo file', other: '{count} salvati nei loro file' },
    countPutBack: {
      one: '{count} ripristinato nel suo file',
      other: '{count} ripristinati nei loro file',
    },
    countCopy: {
      one: '{count} copia da scaricare',
      many: '{count} di copie da scaricare',
      other: '{count} copie da scaricare',
    },
    countPcg: { one: '{count} file PCG', many: '{count} di file PCG', other: '{count} file PCG' },
    countNotAsked: {
      one: '{count} non ancora salvato: premi di nuovo «Cambia banco»',
      other: '{count} non ancora salvati: premi di nuovo «Cambia banco»',
    },
    countBackNotAsked: {
      one: '{count} non ancora ripristinato: premi di nuovo «Annulla»',
      other: '{count} non ancora ripristinati: premi di nuovo «Annulla»',
    },
    countChangedSince: {
      one: '{count} lasciato com’è: modificato, spostato o eliminato dopo il salvataggio',
      other: '{count} lasciati come sono: modificati, spostati o eliminati dopo il salvataggio',
    },
    countBackNotAllowed: {
      one: '{count} non ripristinato: non consentito',
      other: '{count} non ripristinati: non consentito',
    },
    countBackFailed: {
      one: '{count} non ripristinato: scrittura non riuscita',
      other: '{count} non ripristinati: scrittura non riuscita',
    },
    countRefused: { one: '{count} rifiutato', other: '{count} rifiutati' },
    countUnreadable: { one: '{count} non leggibile', other: '{count} non leggibili' },
    countGone: { one: '{count} non più leggibile', other: '{count} non più leggibili' },
    countOthers: {
      one: '{count} altro file',
      many: '{count} di altri file',
      other: '{count} altri file',
    },
    countFolders: {
      one: '{count} cartella non leggibile',
      many: '{count} di cartelle non leggibili',
      other: '{count} cartelle non leggibili',
    },
    nothingRead:
      'Non è stato possibile leggere nulla: il sistema o il browser non ha permesso a questa pagina di aprire ciò che hai scelto. Scegli le cartelle al suo interno, oppure i file PCG stessi.',
    askingFor: {
      one: '{banks}: in attesa del tuo permesso per modificare {count} file…',
      many: '{banks}: in attesa del tuo permesso per modificare {count} di file…',
      other: '{banks}: in attesa del tuo permesso per modificare {count} file…',
    },
    progressLooking: {
      one: 'Esame della cartella: {count} file finora…',
      many: 'Esame della cartella: {count} di file finora…',
      other: 'Esame della cartella: {count} file finora…',
    },
    progressReading: {
      one: 'Lettura di {done} su {count} file…',
      many: 'Lettura di {done} su {count} di file…',
      other: 'Lettura di {done} su {count} file…',
    },
    progressSaving: {
      one: 'Salvataggio di {done} su {count} file…',
      many: 'Salvataggio di {done} su {count} di file…',
      other: 'Salvataggio di {done} su {count} file…',
    },
    progressPuttingBack: {
      one: 'Ripristino di {done} su {count} file…',
      many: 'Ripristino di {done} su {count} di file…',
      other: 'Ripristino di {done} su {count} file…',
    },
    zipName: 'copie PCG',
    leftOut:
      'Escluso dallo zip: è stato spostato, eliminato o modificato dopo che l’hai scelto, oppure non si può leggere. Sceglilo di nuovo.',
    rowInZip: '{row}; nello zip come {path}',
    quoted: '«{name}»',
    countZipped: { one: '{count} copia in {zips}', other: '{count} copie in {zips}' },
    countLeftOut: { one: '{count} escluso dallo zip', other: '{count} esclusi dallo zip' },
    zipFailed: 'il browser non ha accettato lo zip: scarica ogni copia dal suo link',
    progressPacking: {
      one: 'Compressione di {done} su {count} copia…',
      other: 'Compressione di {done} su {count} copie…',
    },
    noWasm: 'ERRORE: questo browser non può eseguire Tavrelon (serve WebAssembly).',
    noStart: 'ERRORE: Tavrelon non si è potuto avviare: {error}',
  },
};
