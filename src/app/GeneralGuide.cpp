#include "GeneralGuide.h"

#include <QStringList>

namespace {

// The general guide, one paragraph per entry; each module's guide page is a run of them.
constexpr const char* kGuide[] = {
    // 1
    "Zandorio è un software rivolto alle palestre o altre associazioni sportive dilettantistiche "
    "(A.S.D.) che desiderano gestire in modo semplice e ordinato la propria attività quotidiana. "
    "Il programma tiene l'archivio degli iscritti, registra gli ingressi in palestra, prepara "
    "schede di allenamento personalizzate, stampa i tesserini di riconoscimento e le ricevute di "
    "pagamento con numerazione progressiva e fornisce riepiloghi degli ingressi giornalieri, "
    "mensili e annuali, grafici statistici degli accessi e l'estratto conto degli incassi. Dalla "
    "schermata di avvio si accede con un semplice clic alle sei app che lo compongono: Archivio "
    "Iscritti, Stampa Tessere, Schede Allenamento, Registro Ingressi, Stampa Ricevute e Riepilogo"
    " Incassi. Ogni archivio può essere esportato in un foglio di lavoro di Microsoft Excel.",
    // 2
    "L'app Archivio Iscritti è uno schedario elettronico in cui si registrano i dati di ciascun "
    "abbonato della palestra: cognome e nome, sesso, data e luogo di nascita, cittadinanza, "
    "indirizzo di residenza con città, CAP e nazione, codice fiscale, peso in kg e statura in cm,"
    " telefono di casa, telefono cellulare e indirizzo e-mail. Ogni scheda contiene inoltre "
    "l'attività sportiva praticata, la data di scadenza del certificato medico, il numero della "
    "tessera con le date di rilascio e di scadenza, la quota versata e un campo per le "
    "annotazioni. Un'apposita sezione accoglie i dati del praticante, cioè della persona che "
    "svolge effettivamente l'attività sportiva quando questa è diversa dall'iscritto (ad esempio "
    "un figlio minore): cognome e nome, luogo e data di nascita e indirizzo.",
    // 3
    "Ciascuna scheda può essere corredata della foto dell'abbonato, che compare nell'apposito "
    "riquadro della schermata e che viene riportata anche nella stampa della scheda e nel "
    "tesserino di riconoscimento. La foto può essere acquisita con una webcam oppure caricata da "
    "un file in formato Jpeg o Bitmap, può essere visualizzata a tutto schermo nelle sue "
    "dimensioni reali e può essere salvata su disco in formato Jpeg. Conviene usare foto con "
    "orientamento verticale, nel formato tipico dei ritratti, perché il riquadro ha proprio "
    "queste proporzioni.",
    // 4
    "L'archivio degli iscritti può quindi essere usato come un registro storico di tutti gli "
    "abbonati della palestra, da consultare in qualsiasi momento: le schede non vengono mai "
    "cancellate e restano in archivio anche dopo la scadenza della tessera, pronte per essere "
    "aggiornate al momento del rinnovo. Dall'archivio attingono anche le altre app del programma,"
    " che importano i dati dell'iscritto con pochi clic del mouse. Il pulsante posto accanto "
    "all'indirizzo e-mail apre il programma di posta elettronica predefinito con un nuovo "
    "messaggio già indirizzato all'abbonato. Il pulsante posto accanto al codice fiscale ne "
    "verifica la correttezza controllando il carattere di controllo finale; se la casella "
    "contiene soltanto cifre, il numero viene trattato come una partita IVA, di cui il software "
    "controlla la cifra finale indicando anche l'Ufficio IVA che l'ha rilasciata.",
    // 5
    "Per inserire una scheda in archivio bisogna fare clic sul pulsante Nuovo, compilare i campi "
    "di testo e premere Salva. I campi con lo sfondo color beige sono obbligatori: cognome e "
    "nome, data di scadenza del certificato medico, attività sportiva, numero di tessera, quota "
    "versata, data di rilascio e data di scadenza della tessera; se uno di essi è vuoto, il "
    "software lo segnala e vi posiziona il cursore. Le date del certificato medico e della "
    "tessera si scelgono nel calendario che si apre premendo un tasto qualsiasi nella relativa "
    "casella (i tasti Backspace e Canc la svuotano), la quota si indica in euro con la virgola "
    "prima dei centesimi e il tasto Invio sposta il cursore sulla casella successiva. Per "
    "modificare una scheda già presente in archivio basta visualizzarla con le frecce di "
    "scorrimento o con la funzione Trova, apportare le modifiche e premere di nuovo Salva: le "
    "modifiche non salvate vanno perse quando si passa a un'altra scheda.",
    // 6
    "Il pulsante Duplica è utile quando si deve inserire in archivio un nuovo iscritto con dati "
    "molto simili a quelli di un abbonato già registrato, come nel caso di due familiari che "
    "abitano allo stesso indirizzo. Basta visualizzare la scheda esistente, fare clic su Duplica,"
    " apportare le modifiche dovute e premere Salva: la nuova scheda viene aggiunta in archivio e"
    " quella originale resta invariata. La copia parte senza foto e senza file allegati, che "
    "possono essere aggiunti in seguito. Si può duplicare soltanto una scheda che sia già stata "
    "inserita in archivio.",
    // 7
    "Per inserire la foto del tesserato si può utilizzare una webcam collegata al computer "
    "servendosi dell'apposito pulsante della schermata. Nella finestra che appare bisogna fare "
    "clic su Accendi webcam, inquadrare l'iscritto e premere Cattura foto; l'immagine catturata "
    "può essere salvata su disco in formato Jpeg oppure trasferita nella scheda con il pulsante "
    "Importa foto in scheda, mentre Spegni webcam interrompe la ripresa. La foto viene registrata"
    " in archivio insieme alla scheda quando si preme Salva.",
    // 8
    "E' possibile visualizzare la foto a tutto schermo servendosi del pulsante di ingrandimento; "
    "per chiudere la finestra basta fare clic sulla foto. Se l'immagine ha bisogno di qualche "
    "ritocco, la si può salvare su disco in formato Jpeg, modificarla con un qualsiasi programma "
    "di fotoritocco e caricarla di nuovo nella scheda. Il pulsante di caricamento permette "
    "infatti di inserire nella scheda una foto già presente sul computer in formato Jpeg o "
    "Bitmap, mentre il pulsante di cancellazione la rimuove. Ogni modifica alla foto diventa "
    "definitiva soltanto quando si salva la scheda.",
    // 9
    "Il pulsante Calcola I.M.C. apre una finestra che calcola l'indice di massa corporea "
    "dell'iscritto in base al peso in kg e alla statura in cm riportati nella scheda, valori che "
    "possono comunque essere modificati nella stessa finestra. Poiché le fasce di peso sono "
    "diverse per le donne e per gli uomini, bisogna fare clic sul pulsante Calcola I.M.C. per "
    "donna oppure su Calcola I.M.C. per uomo: il software mostra il valore dell'indice e indica "
    "la fascia corrispondente, dal sottopeso al peso nella norma fino ai diversi gradi di "
    "sovrappeso e di obesità. Il pulsante Nuovo calcolo svuota i campi per eseguire un altro "
    "calcolo. Il risultato ha un valore puramente indicativo e non sostituisce il parere di un "
    "medico.",
    // 10
    "Per trovare le schede degli abbonati in archivio bisogna fare clic sul pulsante Trova e "
    "compilare uno o più filtri di ricerca tra cognome e nome, data e luogo di nascita, "
    "cittadinanza, codice fiscale, telefono cellulare, numero di tessera, praticante, attività "
    "sportiva e note. Non occorre scrivere il testo per intero: è sufficiente una parte di esso, "
    "senza badare alle lettere maiuscole e minuscole (ad esempio, ross trova sia Rossi sia "
    "Rossini), mentre le lettere accentate vanno scritte esattamente come in archivio. Premendo "
    "Cerca si ottiene l'elenco in ordine alfabetico degli iscritti che soddisfano tutti i filtri "
    "compilati; lasciando vuoti tutti i filtri si ottiene l'elenco dell'intero archivio. "
    "Nell'elenco è possibile cercare una parola con il pulsante Trova (premendolo di nuovo si "
    "passa alla voce successiva che la contiene), stampare il riepilogo e richiamare una scheda "
    "facendo doppio clic sulla voce corrispondente.",
    // 11
    "Il pulsante contraddistinto dall'icona dell'orologio mostra il riepilogo delle tessere "
    "scadute, ossia l'elenco degli iscritti la cui tessera risulta scaduta alla data odierna, con"
    " i recapiti telefonici, il numero di tessera, la data di scadenza e la quota versata; una "
    "tessera che scade oggi è considerata scaduta soltanto a partire da domani. Un pulsante "
    "analogo mostra il riepilogo dei certificati medici scaduti, riportando per ciascun iscritto "
    "il telefono cellulare, il codice fiscale, l'attività sportiva e la data di scadenza del "
    "certificato. Entrambi gli elenchi possono essere stampati e consentono di richiamare la "
    "scheda dell'iscritto con un doppio clic, in modo da poterla aggiornare dopo il rinnovo.",
    // 12
    "La funzione Allega file consente di associare a ciascuna scheda fino a tre file esterni di "
    "qualsiasi genere, ad esempio la copia scansionata di un documento d'identità o del "
    "certificato medico, ognuno accompagnato da una breve descrizione. Con il pulsante Sfoglia si"
    " sceglie il file da allegare, che viene copiato nella cartella Documenti_Allegati del "
    "programma; se vi si trova già un file con lo stesso nome, il software chiede se "
    "sovrascriverlo. Il pulsante Apri mostra il file allegato con il programma predefinito del "
    "computer. Gli allegati entrano a far parte della scheda quando si preme Applica e chiudi e "
    "poi si salva la scheda.",
    // 13
    "La scheda di ogni singolo abbonato può essere visualizzata in anteprima o stampata su un "
    "foglio A4, completa di foto e di tutti i dati presenti nella schermata, anche se non ancora "
    "salvati. L'intero archivio degli iscritti può essere esportato in un file di Excel.",
    // 14
    "L'app Stampa Tessere serve sia alla stampa dei singoli tesserini di riconoscimento degli "
    "iscritti sia all'inserimento dei dati e del logo della palestra che dovranno comparire nei "
    "tesserini stessi. Per visualizzare i dati di un iscritto è possibile utilizzare le frecce di"
    " scorrimento delle schede oppure effettuare una ricerca in archivio servendosi del pulsante "
    "Trova. Per inserire o modificare il logo e i dati dell'associazione sportiva, basta fare "
    "clic su di essi e seguire le istruzioni nelle finestre che appaiono.",
    // 15
    "Ogni tesserino di riconoscimento contiene i dati e il logo dell'A.S.D. nonché il nome e il "
    "cognome del tesserato, la sua foto, l'attività sportiva praticata, la data di rilascio della"
    " tessera e la data di scadenza. Le informazioni relative all'associazione sportiva "
    "dilettantistica sono salvate in automatico quando si esce dalla schermata di lavoro, "
    "cosicché non occorrerà reinserirle quando si andrà a stampare una nuova tessera.",
    // 16
    "Per facilitare la stampa delle tessere, il software consente di impostare adeguatamente i "
    "margini di stampa superiore e sinistro nel caso in cui i valori di partenza non coincidano "
    "con quelli richiesti dalla propria stampante. La possibilità di definire i margini rende il "
    "software compatibile con qualsiasi modello di stampante. L'utente potrà effettuare la stampa"
    " della tessera non solo su una scheda plastificata formato bancomat (qualora disponga di una"
    " stampante predisposta) ma anche su un comune foglio in formato A4 oppure su un cartoncino "
    "di dimensioni ridotte. E' possibile visualizzare l'anteprima del tesserino prima di "
    "effettuare la stampa.",
    // 17
    "La foto che appare nella tessera è quella che è stata salvata in formato Jpeg o Bitmap nella"
    " scheda del tesserato presente nell'archivio degli iscritti. Per ottimizzare la stampa, è "
    "buona norma far sì che le proporzioni (ma non necessariamente le dimensioni) della foto "
    "corrispondano al riquadro visibile nella schermata. Questo significa che le foto dovrebbero "
    "essere acquisite e salvate con orientamento verticale e non orizzontale, ossia nel formato "
    "tipico dei ritratti anziché dei paesaggi. In fase di stampa, il software provvede ad "
    "adattare le dimensioni dell'immagine al riquadro della foto in formato tessera.",
    // 18
    "L'app Schede Allenamento permette di creare programmi di allenamento personalizzati per ogni"
    " iscritto della palestra. Ciascuna scheda è costituita da tre sezioni (Programma, Dati "
    "personali e Attività), ciascuna visualizzabile facendo clic sul pulsante corrispondente.",
    // 19
    "La sezione Programma è predisposta per accogliere i dati dell'allenamento, ossia un nome "
    "descrittivo, la tipologia di esercizi, la finalità (ad esempio, aumento della massa "
    "muscolare o della resistenza, dimagrimento o tonificazione), il livello di difficoltà (ad "
    "esempio, principiante, intermedio o avanzato), la data di inizio e quella di fine "
    "dell'allenamento, il nome dell'istruttore, i gruppi muscolari coinvolti (addominali, "
    "adduttori, bicipiti, bicipiti femorali, dorsali, glutei, pettorali, polpacci, quadricipiti, "
    "spalle, trapezio, tricipiti) e, infine, l'eventuale dieta consigliata all'iscritto.",
    // 20
    "Nella sezione Dati personali vanno appunto indicate le informazioni relative all'iscritto "
    "alla palestra, ossia cognome e nome, codice fiscale, telefono cellulare, indirizzo e-mail, "
    "numero di tessera, nonché i valori di peso in kg, giro vita, fianchi, torace, addome sia "
    "all'inizio sia al termine dell'allenamento. Tali dati possono essere importati dall'archivio"
    " degli iscritti con pochi clic del mouse. E' inoltre presente un campo di testo in cui "
    "annotare eventuali altri risultati conseguiti a fine allenamento.",
    // 21
    "La sezione Attività serve a descrivere, invece, i workout previsti dalla scheda di "
    "allenamento, ossia le attività di riscaldamento, gli esercizi ginnici veri e propri e lo "
    "stretching finale. E' inoltre possibile annotare la durata totale dell'allenamento, "
    "l'eventuale tempo previsto per il recupero e la frequenza giornaliera, settimanale ecc. con "
    "cui dovranno essere svolti gli esercizi.",
    // 22
    "Ciascuna scheda di allenamento può essere esportata in formato RTF, stampata e consegnata "
    "alla persona interessata che la userà come guida agli esercizi.",
    // 23
    "A ciascuna scheda di allenamento è possibile associare file esterni di qualsiasi genere che "
    "potrebbero contenere, ad esempio, la documentazione richiesta per quell'allenamento.",
    // 24
    "Il pulsante Duplica consente di inserire una nuova scheda di allenamento in archivio "
    "duplicando i dati di una scheda registrata precedentemente. A tal fine, basta visualizzare "
    "la vecchia scheda, fare clic su Duplica, apportare le modifiche dovute e fare clic su Salva.",
    // 25
    "La funzione Trova consente di rintracciare un allenamento in archivio utilizzando più filtri"
    " di ricerca contemporaneamente. Ciò rende possibile, ad esempio, ottenere l'elenco di tutte "
    "le schede di allenamento di una certa tipologia oppure di quelle utilizzate da un "
    "determinato iscritto. Con un solo clic è inoltre possibile ottenere il riepilogo di tutti "
    "gli allenamenti attivi, vale a dire delle schede di allenamento non ancora scadute. "
    "L'archivio delle schede di allenamento può essere esportato in un file di Microsoft Excel.",
    // 26
    "L'app Registro Ingressi serve a tenere traccia dei singoli ingressi in palestra effettuati "
    "dagli iscritti nonché a visualizzare grafici statistici degli accessi mensili.",
    // 27
    "Dopo aver indicato l'anno solare e premuto il pulsante Apri, si accede alla finestra di "
    "lavoro in cui bisogna registrare la data e l'ora dell'ingresso in palestra (questi campi "
    "appaiono precompilati con la data e l'ora correnti ma possono all'occorrenza essere "
    "modificati), l'attività svolta dall'iscritto, gli ingressi rimanenti, le attrezzature "
    "utilizzate, i dati dello stesso iscritto (cognome e nome, codice fiscale, telefono "
    "cellulare, numero tessera e indirizzo e-mail), eventuali annotazioni e il nome della persona"
    " incaricata ad effettuare la registrazione dell'ingresso. A questo punto si può inserire la "
    "scheda in archivio premendo il pulsante Salva.",
    // 28
    "Si tenga presente che i campi relativi all'abbonato possono essere compilati velocemente "
    "importando i dati dall'archivio degli iscritti facendo clic sull'icona della freccia rossa "
    "posta a destra della casella di testo riservata al suo nome.",
    // 29
    "Il pulsante Duplica consente di registrare in archivio un nuovo ingresso duplicando i dati "
    "di un accesso in palestra salvato precedentemente. A tal fine, basta visualizzare l'ingresso"
    " precedente, fare clic su Duplica, apportare le modifiche dovute e fare clic su Salva.",
    // 30
    "La scheda dell'ingresso in palestra può essere stampata su carta in duplice copia su singolo"
    " foglio A4 e fatta firmare dall'abbonato e dall'incaricato. La stessa scheda può essere "
    "visualizzata in anteprima servendosi dell'apposito pulsante.",
    // 31
    "I campi riservati al numero di telefono cellulare e all'indirizzo di posta elettronica sono "
    "affiancati da pulsanti che permettono di inviare all'iscritto un messaggio di WhatsApp o una"
    " mail di notifica per confermare la corretta registrazione dell'ingresso in palestra.",
    // 32
    "La funzione Trova consente di rintracciare un ingresso in archivio utilizzando più filtri di"
    " ricerca contemporaneamente. Ciò rende possibile, ad esempio, ottenere l'elenco di tutti gli"
    " ingressi effettuati da uno o più iscritti in un certo mese dell'anno oppure degli ingressi "
    "relativi ad una determinata attività svolta.",
    // 33
    "I pulsanti contraddistinti dalle lettere G, M e A permettono di visualizzare, "
    "rispettivamente, il riepilogo di tutti gli ingressi registrati in un giorno, in un mese o "
    "nel corso dell'intero anno solare. L'archivio annuale degli ingressi può essere esportato in"
    " un file di Microsoft Excel.",
    // 34
    "L'app Statistiche Ingressi Mensili genera grafici statistici a torta o a barre "
    "tridimensionali relativi agli accessi in palestra totalizzati in ciascun mese dell'anno "
    "solare.",
    // 35
    "L'utente può scegliere se visualizzare i dati sotto forma di grafico a torta oppure di "
    "grafico a barre tridimensionali. Il grafico mostra gli ingressi di tutti gli iscritti "
    "registrati in ciascun mese dell'anno.",
    // 36
    "La prima operazione da eseguire per visualizzare i grafici statistici è quella di indicare "
    "l'anno solare di interesse. A questo punto, facendo clic sul pulsante Apri, si avrà accesso "
    "ad una nuova finestra in cui compare il grafico statistico degli ingressi.",
    // 37
    "Il grafico che appare è costituito da dodici barre tridimensionali, ognuna corrispondente a "
    "un mese dell'anno solare. Più la barra è alta, più gli ingressi sono stati numerosi. "
    "L'utente ha la possibilità di visualizzare le stesse statistiche sotto forma di grafico a "
    "torta facendo clic sull'apposito pulsante posizionato in basso. Per tornare a visualizzare "
    "il grafico a barre, basta premere il pulsante corrispondente.",
    // 38
    "Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in quel "
    "momento unitamente ai dati relativi agli accessi in palestra mensili.",
    // 39
    "L'app Stampa Ricevute permette la compilazione e la stampa delle ricevute di pagamento in "
    "duplice copia su foglio A4 da rilasciare agli iscritti della propria palestra o altra "
    "associazione sportiva dilettantistica nel momento in cui versano l'importo della quota di "
    "iscrizione o quando rinnovano l'abbonamento. Le ricevute emesse sono salvate in archivi "
    "annuali e seguono una numerazione progressiva gestita direttamente dal software.",
    // 40
    "La compilazione delle ricevute è facilitata dalla possibilità di importare i dati del "
    "pagatore e del praticante l'attività sportiva (che spesso è un minore) dall'archivio "
    "anagrafico degli iscritti. Per effettuare l'importazione dei dati, bisogna utilizzare il "
    "pulsante con la freccia rossa posizionato a destra del rigo iniziante con la scritta "
    "\"Riceviamo da\".",
    // 41
    "E' possibile utilizzare il logo personalizzato della propria A.S.D. da far apparire nella "
    "stampa delle ricevute di pagamento e si può stabilire da che numero far partire la "
    "numerazione automatica.",
    // 42
    "L'app presenta uno spazio riservato all'apposizione della marca da bollo nella copia della "
    "ricevuta da consegnare al pagatore nei casi in cui la legge prevede il pagamento "
    "dell'imposta.",
    // 43
    "Le informazioni riguardanti il beneficiario del pagamento (ossia la palestra o altra "
    "associazione sportiva dilettantistica) sono salvate in automatico assieme al logo quando si "
    "esce dalla schermata di lavoro, cosicché i campi di testo appariranno già compilati alla "
    "riapertura della finestra.",
    // 44
    "Per inserire una nuova ricevuta in archivio bisogna fare clic sul pulsante Nuovo, compilare "
    "i campi di testo relativi ai dati del pagatore, del praticante l'attività sportiva e "
    "dell'intervallo di tempo a cui il pagamento si riferisce e premere Salva. L'importo pagato "
    "va espresso soltanto in cifre nelle caselle riservate al totale, dove bisogna indicare "
    "separatamente gli euro e i centesimi. Il software provvederà a convertire le cifre in "
    "lettere nell'apposito campo in maniera automatica.",
    // 45
    "Quando si preme il pulsante Nuovo, il software attribuisce al documento un numero che tiene "
    "conto di quante ricevute sono già presenti in archivio, partendo da 1 se l'archivio è vuoto."
    " Se si vuole far partire la numerazione automatica delle ricevute da un numero superiore, è "
    "necessario utilizzare l'apposita funzione accessibile tramite il pulsante contraddistinto "
    "dalla lettera \"N\".",
    // 46
    "Per modificare una ricevuta in archivio, bisogna visualizzarla nella finestra di lavoro, "
    "apportare le modifiche e premere il pulsante Salva.",
    // 47
    "Il pulsante Duplica risulta utile se si ha bisogno di registrare una nuova ricevuta con dati"
    " molto simili ad un'altra già presente in archivio, come potrebbe essere il caso di una "
    "ricevuta riferita al pagamento effettuato da un iscritto che rinnova l'abbonamento. Per "
    "duplicare la scheda di una ricevuta, basta visualizzare quella già registrata in archivio, "
    "fare clic sul pulsante Duplica, apportare le dovute modifiche e premere Salva.",
    // 48
    "La funzione Trova permette di ottenere riepiloghi delle ricevute utilizzando più criteri di "
    "ricerca contemporaneamente. Ad esempio, è possibile ottenere il riepilogo delle ricevute "
    "emesse in un preciso giorno dell'anno, rilasciate a un determinato iscritto o riferite a una"
    " certa attività sportiva.",
    // 49
    "Ogni singola ricevuta può essere visualizzata in anteprima o stampata in duplice copia su "
    "foglio A4, mentre l'intero archivio delle ricevute di pagamento può essere esportato in un "
    "file di Excel.",
    // 50
    "L'app Riepilogo Incassi consente di ottenere un estratto conto degli importi incassati dalla"
    " propria palestra o altra A.S.D. in un qualsiasi intervallo di tempo utilizzando come filtri"
    " di ricerca il nome del pagatore e/o l'attività sportiva praticata.",
    // 51
    "Per ottenere il riepilogo degli incassi percepiti in un certo intervallo di tempo è "
    "sufficiente entrare nell'apposito ambiente di lavoro facendo clic sul pulsante Riepilogo "
    "Incassi nella schermata di avvio del programma, indicare il nome del pagatore e l'attività "
    "sportiva unitamente alla data di inizio e a quella di fine intervallo e premere il pulsante "
    "Visualizza riepilogo.",
    // 52
    "L'estratto conto che si ottiene mostra l'elenco di tutte le ricevute emesse nell'intervallo "
    "specificato, riportando per ognuna di esse il numero progressivo, la data di emissione, il "
    "nome del pagatore, il tipo di attività sportiva, il periodo in cui tale attività è stata "
    "praticata e l'importo totale versato.",
    // 53
    "Per ottenere il riepilogo di tutti gli importi incassati nel lasso di tempo specificato, "
    "basta lasciare in bianco i filtri di ricerca relativi al pagatore e all'attività sportiva. "
    "Il riepilogo degli incassi visualizzato può essere stampato su carta facendo clic sul "
    "pulsante Stampa riepilogo.",
    // 54
    "Il software funziona anche in una rete locale: è sufficiente installarlo in una cartella "
    "condivisa di un computer della rete perché tutte le postazioni che lo avviano da quella "
    "cartella lavorino sugli stessi archivi.",
    // 55
    "Zandorio può essere utilizzato anche su chiavetta USB, poiché tutti gli archivi, le "
    "impostazioni, le foto e i documenti allegati sono conservati nella stessa cartella del "
    "programma: basta copiare l'intera cartella sulla chiavetta per portare con sé il software "
    "insieme ai propri dati. Per lo stesso motivo, per effettuare una copia di sicurezza di tutti"
    " i dati è sufficiente copiare periodicamente la cartella del programma su un altro disco o "
    "su una chiavetta USB; per ripristinarli basta ricopiarla al suo posto.",
    // 56
    "L'accesso al software è protetto da una password aggiornabile dall'utente, unica per tutte "
    "le persone che utilizzano il programma. Al primo accesso bisogna digitare la password "
    "\"pellicanoverde\" (senza le virgolette) e premere OK; la password può essere scritta "
    "indifferentemente in lettere maiuscole o minuscole. Per cambiarla basta fare clic sul "
    "pulsante Cambia password nella schermata di accesso, digitare la vecchia password e due "
    "volte la nuova, quindi premere OK. Si consiglia di scegliere una password facile da "
    "ricordare ma difficile da indovinare e di conservarla in un luogo sicuro.",
    // 57
    "Zandorio è quindi lo strumento ideale per gestire in modo semplice, rapido e sicuro la vita "
    "di una palestra o di un'associazione sportiva dilettantistica: dall'archivio degli iscritti "
    "ai tesserini, dalle schede di allenamento al registro degli ingressi, dalle ricevute al "
    "riepilogo degli incassi, tutto è a portata di clic.",
};

static_assert(std::size(kGuide) == GeneralGuide::kParagraphs);

} // namespace

namespace GeneralGuide {

QString paragraph(int n) {
    if (n < 1 || n > kParagraphs)
        return {};
    return QString::fromUtf8(kGuide[n - 1]);
}

QString text(int first, int last) {
    QStringList paragraphs;
    for (int n = std::max(first, 1); n <= std::min(last, kParagraphs); ++n)
        paragraphs << paragraph(n);
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace GeneralGuide
