// French.  The keys and placeholders are English's (en.js); a no-break
// space goes before a colon and inside « ».
export const fr = {
  tag: 'fr',
  name: 'Français',
  words: {
    title: 'Tavrelon\u00a0: changer la banque de fichiers PCG KORG',
    language: 'Langue',
    browserLanguage: 'La langue du navigateur',
    about: 'Attribue des fichiers PCG KORG à une autre banque.',
    step1:
      'Choisissez vos fichiers PCG ou un dossier qui les contient, ou déposez-les n’importe où sur cette page. Chaque fichier PCG indique la banque où il se trouve.',
    step2:
      'Choisissez la nouvelle banque\u00a0: dans «\u00a0Banque\u00a0» pour tous les fichiers, ou sur la ligne d’un fichier pour ce fichier seul.',
    step3: 'Appuyez sur «\u00a0Changer de banque\u00a0».',
    howCopies:
      'Téléchargez ensuite les copies modifiées et mettez chacune à la place de son original.',
    howInPlace:
      'Chaque fichier est modifié là où il se trouve, dès que vous l’autorisez\u00a0; sinon, vous téléchargez une copie modifiée à la place.',
    privacy:
      'Un original reste tel quel jusqu’à ce que sa copie modifiée le remplace. Vos fichiers ne quittent jamais cet appareil\u00a0: ils sont lus et modifiés ici, dans votre navigateur, et rien n’est envoyé nulle part.',
    pickFiles: 'Choisir des fichiers PCG',
    pickFolder: 'Choisir un dossier',
    orDrop: 'ou déposez-les n’importe où sur cette page',
    bank: 'Banque',
    banksDiffer: 'Banques différentes',
    changeBank: 'Changer de banque',
    undo: 'Annuler',
    downloadAll: 'Télécharger toutes les copies',
    footer: 'Tavrelon {version}, logiciel libre sous licence MIT',
    bankLetter: 'banque {letter}',
    bankByte: 'octet de banque {byte}, sans lettre de banque',
    rowGoing: '{from} → {to}\u00a0: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}\u00a0: {outcome}',
    rowChoice: 'Banque de {name}',
    download: 'Télécharger {name}',
    refused: 'ERREUR\u00a0: le fichier n’est pas un fichier PCG KORG valide',
    unreadable:
      'Illisible\u00a0: c’est un dossier, ou il a été déplacé ou supprimé avant d’avoir pu être lu.',
    gone: 'Plus lisible\u00a0: il a été déplacé, supprimé ou modifié après que vous l’avez choisi. Choisissez-le de nouveau.',
    saving: 'enregistrement dans le fichier…',
    asking: 'en attente de votre autorisation de modifier le fichier…',
    saved: 'enregistré dans le fichier',
    copy: 'une copie modifiée est prête\u00a0; le fichier lui-même reste inchangé jusqu’à ce que la copie le remplace',
    notAllowed:
      'non enregistré dans le fichier, que ce navigateur n’a pas été autorisé à modifier\u00a0; une copie modifiée est prête à la place',
    notAsked:
      'non enregistré\u00a0: le navigateur n’a pas laissé cette page demander à modifier le fichier\u00a0; appuyez de nouveau sur «\u00a0Changer de banque\u00a0»',
    writeFailed:
      'non enregistré\u00a0: le fichier n’a pas pu être écrit\u00a0; une copie modifiée est prête à la place',
    puttingBack: 'remise en place…',
    putBack: 'remis en place',
    changedSince:
      'laissé tel quel\u00a0: il a été modifié, déplacé ou supprimé après l’enregistrement',
    backNotAllowed:
      'non remis en place\u00a0: ce navigateur n’a pas été autorisé à modifier le fichier',
    backNotAsked:
      'non remis en place\u00a0: le navigateur n’a pas laissé cette page demander à modifier le fichier\u00a0; appuyez de nouveau sur «\u00a0Annuler\u00a0»',
    backFailed: 'non remis en place\u00a0: le fichier n’a pas pu être écrit',
    banks: { one: 'Banque {banks}', other: 'Banques {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}\u00a0: {parts}.',
    separator: ', ',
    noPcg: 'Aucun fichier PCG',
    countSaved: {
      one: '{count} enregistré dans son fichier',
      other: '{count} enregistrés dans leurs fichiers',
    },
    countPutBack: {
      one: '{count} remis en place dans son fichier',
      other: '{count} remis en place dans leurs fichiers',
    },
    countCopy: {
      one: '{count} copie à télécharger',
      many: '{count} de copies à télécharger',
      other: '{count} copies à télécharger',
    },
    countPcg: {
      one: '{count} fichier PCG',
      many: '{count} de fichiers PCG',
      other: '{count} fichiers PCG',
    },
    countNotAsked: {
      one: '{count} pas encore enregistré\u00a0: appuyez de nouveau sur «\u00a0Changer de banque\u00a0»',
      other:
        '{count} pas encore enregistrés\u00a0: appuyez de nouveau sur «\u00a0Changer de banque\u00a0»',
    },
    countBackNotAsked:
      '{count} pas encore remis en place\u00a0: appuyez de nouveau sur «\u00a0Annuler\u00a0»',
    countChangedSince: {
      one: '{count} laissé tel quel\u00a0: modifié, déplacé ou supprimé après l’enregistrement',
      other:
        '{count} laissés tels quels\u00a0: modifiés, déplacés ou supprimés après l’enregistrement',
    },
    countBackNotAllowed: {
      one: '{count} non remis en place\u00a0: non autorisé',
      other: '{count} non remis en place\u00a0: non autorisés',
    },
    countBackFailed: '{count} non remis en place\u00a0: écriture impossible',
    countRefused: { one: '{count} refusé', other: '{count} refusés' },
    countUnreadable: { one: '{count} illisible', other: '{count} illisibles' },
    countGone: { one: '{count} plus lisible', other: '{count} plus lisibles' },
    countOthers: {
      one: '{count} autre fichier',
      many: '{count} d’autres fichiers',
      other: '{count} autres fichiers',
    },
    countFolders: {
      one: '{count} dossier illisible',
      many: '{count} de dossiers illisibles',
      other: '{count} dossiers illisibles',
    },
    nothingRead:
      'Rien n’a pu être lu\u00a0: le système ou le navigateur n’a pas laissé cette page ouvrir ce que vous avez choisi. Choisissez les dossiers qu’il contient, ou les fichiers PCG eux-mêmes.',
    askingFor: {
      one: '{banks}\u00a0: en attente de votre autorisation de modifier {count} fichier…',
      many: '{banks}\u00a0: en attente de votre autorisation de modifier {count} de fichiers…',
      other: '{banks}\u00a0: en attente de votre autorisation de modifier {count} fichiers…',
    },
    progressLooking: {
      one: 'Parcours du dossier\u00a0: {count} fichier jusqu’ici…',
      many: 'Parcours du dossier\u00a0: {count} de fichiers jusqu’ici…',
      other: 'Parcours du dossier\u00a0: {count} fichiers jusqu’ici…',
    },
    progressReading: {
      one: 'Lecture de {done} sur {count} fichier…',
      many: 'Lecture de {done} sur {count} de fichiers…',
      other: 'Lecture de {done} sur {count} fichiers…',
    },
    progressSaving: {
      one: 'Enregistrement de {done} sur {count} fichier…',
      many: 'Enregistrement de {done} sur {count} de fichiers…',
      other: 'Enregistrement de {done} sur {count} fichiers…',
    },
    progressPuttingBack: {
      one: 'Remise en place de {done} sur {count} fichier…',
      many: 'Remise en place de {done} sur {count} de fichiers…',
      other: 'Remise en place de {done} sur {count} fichiers…',
    },
    zipName: 'copies PCG',
    leftOut:
      'Laissé hors du zip\u00a0: il a été déplacé, supprimé ou modifié après que vous l’avez choisi, ou il ne peut pas être lu. Choisissez-le de nouveau.',
    rowInZip: '{row}\u00a0; dans le zip sous le nom {path}',
    quoted: '«\u00a0{name}\u00a0»',
    countZipped: { one: '{count} copie dans {zips}', other: '{count} copies dans {zips}' },
    countLeftOut: { one: '{count} laissé hors du zip', other: '{count} laissés hors du zip' },
    zipFailed:
      'le navigateur n’a pas accepté le zip\u00a0: téléchargez chaque copie par son propre lien',
    progressPacking: {
      one: 'Mise en zip de {done} sur {count} copie…',
      other: 'Mise en zip de {done} sur {count} copies…',
    },
    noWasm:
      'ERREUR\u00a0: ce navigateur ne peut pas faire fonctionner Tavrelon (il lui faut WebAssembly).',
    noStart: 'ERREUR\u00a0: Tavrelon n’a pas pu démarrer\u00a0: {error}',
  },
};
