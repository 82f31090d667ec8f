// Brazilian Portuguese.  The keys and placeholders are English's (en.js).
export const ptBR = {
  tag: 'pt-BR',
  name: 'Português (Brasil)',
  words: {
    title: 'Tavrelon: mude o banco de arquivos PCG da KORG',
    language: 'Idioma',
    browserLanguage: 'O idioma do navegador',
    about: 'Atribui arquivos PCG da KORG a outro banco.',
    step1:
      'Escolha seus arquivos PCG ou uma pasta com eles, ou solte-os em qualquer lugar desta página. Cada arquivo PCG mostra o banco em que está agora.',
    step2:
      'Escolha o novo banco: em “Banco” para todos os arquivos, ou na linha de um arquivo só para esse arquivo.',
    step3: 'Pressione “Mudar banco”.',
    howCopies: 'Depois baixe as cópias alteradas e coloque cada uma no lugar do seu original.',
    howInPlace:
      'Cada arquivo é alterado onde está, assim que você permitir; onde não for possível, você baixa uma cópia alterada no lugar.',
    privacy:
      'Um original fica como está até que sua cópia alterada o substitua. Seus arquivos nunca saem deste dispositivo: eles são lidos e alterados aqui, no seu navegador, e nada é enviado para lugar nenhum.',
    pickFiles: 'Escolher arquivos PCG',
    pickFolder: 'Escolher uma pasta',
    orDrop: 'ou solte-os em qualquer lugar desta página',
    bank: 'Banco',
    banksDiffer: 'Bancos diferentes',
    changeBank: 'Mudar banco',
    undo: 'Desfazer',
    downloadAll: 'Baixar todas as cópias',
    footer: 'Tavrelon {version}, software livre sob a licença MIT',
    bankLetter: 'banco {letter}',
    bankByte: 'byte de banco {byte}, sem letra de banco',
    rowGoing: '{from} → {to}: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}: {outcome}',
    rowChoice: 'Banco de {name}',
    download: 'Baixar {name}',
    refused: 'ERRO: o arquivo não é um arquivo PCG da KORG válido',
    unreadable:
      'Não pode ser lido: é uma pasta, ou foi movido ou excluído antes de poder ser lido.',
    gone: 'Não pode mais ser lido: foi movido, excluído ou alterado depois que você o escolheu. Escolha-o de novo.',
    saving: 'salvando no arquivo…',
    asking: 'aguardando sua permissão para alterar o arquivo…',
    saved: 'salvo no arquivo',
    copy: 'uma cópia alterada está pronta; o arquivo em si não muda até que a cópia o substitua',
    notAllowed:
      'não salvo no arquivo, que este navegador não teve permissão para alterar; uma cópia alterada está pronta no lugar',
    notAsked:
      'não salvo: o navegador não deixou esta página pedir para alterar o arquivo; pressione “Mudar banco” de novo',
    writeFailed:
      'não salvo: não foi possível gravar o arquivo; uma cópia alterada está pronta no lugar',
    puttingBack: 'restaurando…',
    putBack: 'restaurado',
    changedSince: 'deixado como está: foi alterado, movido ou excluído depois de salvo',
    backNotAllowed: 'não restaurado: este navegador não teve permissão para alterar o arquivo',
    backNotAsked:
      'não restaurado: o navegador não deixou esta página pedir para alterar o arquivo; pressione “Desfazer” de novo',
    backFailed: 'não restaurado: não foi possível gravar o arquivo',
    banks: { one: 'Banco {banks}', other: 'Bancos {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}: {parts}.',
    separator: ', ',
    noPcg: 'Nenhum arquivo PCG',
    countSaved: { one: '{count} salvo no seu arquivo', other: '{count} salvos nos seus arquivos' },
    countPutBack: {
      one: '{count} restaurado no seu arquivo',
      other: '{count} restaurados nos seus arquivos',
    },
    countCopy: {
      one: '{count} cópia para baixar',
      many: '{count} de cópias para baixar',
      other: '{count} cópias para baixar',
    },
    countPcg: {
      one: '{count} arquivo PCG',
      many: '{count} de arquivos PCG',
      other: '{count} arquivos PCG',
    },
    countNotAsked: {
      one: '{count} ainda não salvo: pressione “Mudar banco” de novo',
      other: '{count} ainda não salvos: pressione “Mudar banco” de novo',
    },
    countBackNotAsked: {
      one: '{count} ainda não restaurado: pressione “Desfazer” de novo',
      other: '{count} ainda não restaurados: pressione “Desfazer” de novo',
    },
    countChangedSince: {
      one: '{count} deixado como está: alterado, movido ou excluído depois de salvo',
      other: '{count} deixados como estão: alterados, movidos ou excluídos depois de salvos',
    },
    countBackNotAllowed: {
      one: '{count} não restaurado: sem permissão',
      other: '{count} não restaurados: sem permissão',
    },
    countBackFailed: {
      one: '{count} não restaurado: não foi possível gravar',
      other: '{count} não restaurados: não foi possível gravar',
    },
    countRefused: { one: '{count} recusado', other: '{count} recusados' },
    countUnreadable: { one: '{count} não pode ser lido', other: '{count} não podem ser lidos' },
    countGone: { one: '{count} não pode mais ser lido', other: '{count} não podem mais ser lidos' },
    countOthers: {
      one: '{count} outro arquivo',
      many: '{count} de outros arquivos',
      other: '{count} outros arquivos',
    },
    countFolders: {
      one: '{count} pasta não pôde ser lida',
      many: '{count} de pastas não puderam ser lidas',
      other: '{count} pastas não puderam ser lidas',
    },
    nothingRead:
      'Nada pôde ser lido: o sistema ou o navegador não deixou esta página abrir o que você escolheu. Escolha as pastas dentro dela, ou os próprios arquivos PCG.',
    askingFor: {
      one: '{banks}: aguardando sua permissão para alterar {count} arquivo…',
      many: '{banks}: aguardando sua permissão para alterar {count} de arquivos…',
      other: '{banks}: aguardando sua permissão para alterar {count} arquivos…',
    },
    progressLooking: {
      one: 'Examinando a pasta: {count} arquivo até agora…',
      many: 'Examinando a pasta: {count} de arquivos até agora…',
      other: 'Examinando a pasta: {count} arquivos até agora…',
    },
    progressReading: {
      one: 'Lendo {done} de {count} arquivo…',
      many: 'Lendo {done} de {count} de arquivos…',
      other: 'Lendo {done} de {count} arquivos…',
    },
    progressSaving: {
      one: 'Salvando {done} de {count} arquivo…',
      many: 'Salvando {done} de {count} de arquivos…',
      other: 'Salvando {done} de {count} arquivos…',
    },
    progressPuttingBack: {
      one: 'Restaurando {done} de {count} arquivo…',
      many: 'Restaurando {done} de {count} de arquivos…',
      other: 'Restaurando {done} de {count} arquivos…',
    },
    zipName: 'cópias PCG',
    leftOut:
      'Fora do ZIP: foi movido, excluído ou alterado depois que você o escolheu, ou não pode ser lido. Escolha-o de novo.',
    rowInZip: '{row}; no ZIP como {path}',
    quoted: '“{name}”',
    countZipped: { one: '{count} cópia em {zips}', other: '{count} cópias em {zips}' },
    countLeftOut: '{count} fora do ZIP',
    zipFailed: 'o navegador não aceitou o ZIP: baixe cada cópia pelo seu próprio link',
    progressPacking: {
      one: 'Compactando {done} de {count} cópia…',
      other: 'Compactando {done} de {count} cópias…',
    },
    noWasm: 'ERRO: este navegador não consegue executar o Tavrelon (ele precisa de WebAssembly).',
    noStart: 'ERRO: o Tavrelon não pôde iniciar: {error}',
  },
};
