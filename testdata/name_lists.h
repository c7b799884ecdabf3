#pragma once
// The name lists of the generated install, as data: nations with their names in the six
// languages, first names, surnames and cities; nicknames; the wording of leagues, clubs and
// stadiums; the texts of the language files that name no row; the names of tactics. Only data:
// the generator's code makes the names of rows out of them.

#include "testdata/text.h"

namespace qira::testdata {

// ---------------------------------------------------------------------------------------------
// The nations: names, name pools and cities. A city is "native|eng|spa|swe|fre|dut|ita", an
// empty part meaning the native name.

struct nation_source {
    const char* code;
    const char* names; // eng|spa|swe|fre|dut|ita
    const char* first_names;
    const char* surnames;
    const char* cities; // separated by ';'
    int continent;
};

inline constexpr nation_source nation_sources[] = {
    {"ENG", "England|Inglaterra|England|Angleterre|Engeland|Inghilterra",
     "James,Oliver,Harry,Jack,George,Thomas,Daniel,Matthew,Luke,Ryan,Aaron,Connor",
     "Smith,Jones,Taylor,Brown,Walker,Wright,Hughes,Cole,Barnes,Clarke,Fletcher,Morgan,Turner,"
     "Hall,Parker,Wood",
     "London||Londres||Londres|Londen|Londra;Manchester;Liverpool;Birmingham;Leeds;Newcastle;"
     "Sheffield;Bristol;Nottingham;Southampton;Leicester;Portsmouth",
     0},
    {"ESP", "Spain|España|Spanien|Espagne|Spanje|Spagna",
     "José,Sergio,Álvaro,Iñigo,Raúl,Andrés,Javier,Íker,Óscar,Adrián,Rubén,Jesús",
     "García,Núñez,Martínez,Fernández,López,Sánchez,Muñoz,Gómez,Jiménez,Ibáñez,Peña,Ordóñez,"
     "Castaño,Gutiérrez,Díaz,Ruiz",
     "Madrid;Barcelona;Sevilla|Seville|||Séville||Siviglia;Valencia;Bilbao;"
     "Zaragoza|Saragossa|||Saragosse||Saragozza;Málaga;A Coruña|Corunna|La Coruña||La Corogne||"
     "La Coruña;Vigo;Gijón;Cádiz;Córdoba|Cordoba|||Cordoue||Cordova",
     0},
    {"GER", "Germany|Alemania|Tyskland|Allemagne|Duitsland|Germania",
     "Jürgen,Lukas,Jörg,Matthias,Björn,Sebastian,Maximilian,Tobias,Jan,Felix,Sören,Dominik",
     "Müller,Schäfer,Köhler,Weiß,Groß,Schröder,Hoffmann,Krüger,Böhm,Wagner,Becker,Schmitz,Jäger,"
     "Löffler,Brückner,Fuchs",
     "München|Munich|Múnich||Munich||Monaco di Baviera;Köln|Cologne|Colonia||Cologne|Keulen|"
     "Colonia;Berlin||Berlín||||Berlino;Hamburg||Hamburgo||Hambourg||Amburgo;Düsseldorf;"
     "Nürnberg|Nuremberg|Núremberg||Nuremberg|Neurenberg|Norimberga;Bremen||||Brême||Brema;"
     "Frankfurt||Fráncfort||Francfort||Francoforte;Stuttgart||||||Stoccarda;Dortmund;"
     "Gelsenkirchen;Mönchengladbach",
     0},
    {"FRA", "France|Francia|Frankrike|France|Frankrijk|Francia",
     "Benoît,Jérôme,François,Loïc,Théo,Gaël,Mathéo,Noël,Cédric,Étienne,Raphaël,Grégory",
     "Lefèvre,Girard,Mercier,Rousseau,Dupré,Fournier,Lemaître,Bénard,Faure,Chevalier,Renaud,"
     "Garnier,Hébert,Leclerc,Thévenot,Bélanger",
     "Paris||París||||Parigi;Marseille|Marseilles|Marsella||||Marsiglia;Lyon|Lyons|||||Lione;"
     "Saint-Étienne;Nantes;Bordeaux||Burdeos;Lille;Nice||Niza||||Nizza;Montpellier;Auxerre;"
     "Rennes;Toulouse||Tolosa||||Tolosa",
     0},
    {"ITA", "Italy|Italia|Italien|Italie|Italië|Italia",
     "Niccolò,Lorenzo,Matteo,Andrea,Davide,Federico,Gianluca,Simone,Nicolò,Mattia,Riccardo,"
     "Pietro",
     "Rossi,Bianchi,Esposito,Colombo,Ricci,Marino,Greco,Bruno,Gallo,Conti,De Luca,Mancini,"
     "Lombardi,Moretti,Barbieri,Fontana",
     "Roma|Rome||Rom|Rome|Rome;Milano|Milan|Milán||Milan|Milaan;Torino|Turin|Turín|Turin|Turin|"
     "Turijn;Napoli|Naples|Nápoles|Neapel|Naples|Napels;Genova|Genoa|Génova|Genua|Gênes|Genua;"
     "Firenze|Florence|Florencia|Florens|Florence|Florence;Bologna||Bolonia||Bologne;Parma;"
     "Udine;Verona||||Vérone;Bergamo||Bérgamo||Bergame;Lecce",
     0},
    {"NED", "Netherlands|Países Bajos|Nederländerna|Pays-Bas|Nederland|Paesi Bassi",
     "Daan,Sem,Joël,Thijs,Bram,Ruud,Sven,Jesse,Maarten,Wouter,Stijn,Teun",
     "de Jong,van Dijk,Bakker,Visser,Smit,Meijer,de Boer,Mulder,de Groot,Bos,Vos,Peters,"
     "Hendriks,van den Berg,Dekker,Kuipers",
     "Amsterdam||Ámsterdam;Rotterdam;Eindhoven;Den Haag|The Hague|La Haya|Haag|La Haye||L'Aia;"
     "Utrecht;Groningen||||Groningue;Enschede;Alkmaar;Heerenveen;Nijmegen||||Nimègue;Tilburg;"
     "Zwolle",
     0},
    {"SWE", "Sweden|Suecia|Sverige|Suède|Zweden|Svezia",
     "Åke,Björn,Göran,Måns,Oskar,Elias,Linus,Anders,Pär,Örjan,Håkan,Nils",
     "Andersson,Johansson,Karlsson,Nilsson,Eriksson,Larsson,Ångström,Öberg,Sjöberg,Lindström,"
     "Bergström,Åberg,Högberg,Lundqvist,Ström,Näslund",
     "Stockholm||Estocolmo||||Stoccolma;Göteborg|Gothenburg|Gotemburgo;Malmö;Norrköping;"
     "Helsingborg;Örebro;Halmstad;Gävle;Västerås;Jönköping;Kalmar;Umeå",
     0},
    {"POR", "Portugal|Portugal|Portugal|Portugal|Portugal|Portogallo",
     "João,Gonçalo,Tomás,Rúben,André,Luís,Simão,Bruno,Vítor,Nuno,Sérgio,Fábio",
     "Gonçalves,Araújo,Simões,Magalhães,Fernandes,Conceição,Silva,Santos,Pereira,Costa,"
     "Oliveira,Rodrigues,Sousa,Lopes,Marques,Ribeiro",
     "Lisboa|Lisbon||Lissabon|Lisbonne|Lissabon|Lisbona;Porto|Oporto;Braga;Coimbra;Guimarães;"
     "Setúbal;Faro;Aveiro;Funchal;Leiria;Vila do Conde;Paços de Ferreira",
     0},
    {"POL", "Poland|Polonia|Polen|Pologne|Polen|Polonia",
     "Łukasz,Paweł,Michał,Wojciech,Grzegorz,Kamil,Jakub,Mateusz,Przemysław,Tomasz,Bartłomiej,"
     "Jarosław",
     "Kowalski,Wiśniewski,Wójcik,Kamiński,Zieliński,Szymański,Woźniak,Dąbrowski,Kozłowski,"
     "Jankowski,Mazur,Krawczyk,Piątek,Grabowski,Nowak,Pawłowski",
     "Warszawa|Warsaw|Varsovia||Varsovie|Warschau|Varsavia;Kraków|Krakow|Cracovia||Cracovie|"
     "Krakau|Cracovia;Łódź;Poznań;Wrocław;Gdańsk;Białystok;Szczecin;Chorzów;Lubin;Płock;"
     "Bełchatów",
     0},
    {"DEN", "Denmark|Dinamarca|Danmark|Danemark|Denemarken|Danimarca",
     "Søren,Jørgen,Bjørn,Rasmus,Mikkel,Frederik,Kasper,Nikolaj,Ole,Morten,Jesper,Troels",
     "Sørensen,Jørgensen,Nielsen,Hansen,Pedersen,Andersen,Christensen,Møller,Rasmussen,Kjær,"
     "Østergaard,Dahl,Skov,Bæk,Holm,Lund",
     "København|Copenhagen|Copenhague|Köpenhamn|Copenhague|Kopenhagen|Copenaghen;"
     "Aarhus|||Århus;Odense;Aalborg|||Ålborg;Brøndby;Esbjerg;Randers;Herning;Vejle;Silkeborg;"
     "Horsens;Køge",
     0},
    {"TUR", "Turkey|Turquía|Turkiet|Turquie|Turkije|Turchia",
     "Çağlar,Gökhan,Oğuz,Hakan,Emre,Burak,Şükrü,Tolga,Ümit,İlhan,Mert,Serdar",
     "Yılmaz,Kaya,Demir,Şahin,Çelik,Yıldız,Öztürk,Aydın,Özdemir,Arslan,Doğan,Kılıç,Aslan,"
     "Çetin,Kara,Koç",
     "İstanbul|Istanbul|Estambul|Istanbul|Istanbul|Istanboel|Istanbul;Ankara;İzmir|Izmir|"
     "Esmirna|Izmir|Izmir|Izmir|Smirne;Bursa;Trabzon;Konya;Antalya;Eskişehir;Gaziantep;Kayseri;"
     "Sivas;Denizli",
     0},
    {"BIH",
     "Bosnia and Herzegovina|Bosnia y Herzegovina|Bosnien och Hercegovina|Bosnie-Herzégovine|"
     "Bosnië en Herzegovina|Bosnia ed Erzegovina",
     "Edin,Miralem,Dževad,Ivan,Luka,Mateo,Dario,Zoran,Goran,Nikola,Vedran,Božidar",
     "Ibrahimović,Hadžić,Kovačević,Babić,Jurić,Marić,Petrović,Begović,Đurić,Šimić,Pavlović,"
     "Knežević,Vuković,Tomić,Bašić,Mešić",
     "Sarajevo;Mostar;Tuzla;Zenica;Banja Luka;Široki Brijeg;Bihać;Travnik;Goražde;Bijeljina;"
     "Trebinje;Doboj",
     0},
    {"BRA", "Brazil|Brasil|Brasilien|Brésil|Brazilië|Brasile",
     "Luiz,Rogério,Cláudio,Thiago,Felipe,Anderson,Márcio,Gílson,Roberto,Wellington,Caio,"
     "Jéferson",
     "Souza,Carvalho,Lima,Gomes,Ribeiro,Almeida,Barbosa,Cardoso,Assunção,Nascimento,Araújo,"
     "Teixeira,Moraes,Brandão,Guimarães,Conceição",
     "São Paulo|Sao Paulo|San Pablo||||San Paolo;Rio de Janeiro||Río de Janeiro;Belo Horizonte;"
     "Porto Alegre;Curitiba;Salvador;Recife;Fortaleza;Goiânia;Florianópolis;Belém;Santos",
     1},
    {"ARG", "Argentina|Argentina|Argentina|Argentine|Argentinië|Argentina",
     "Matías,Martín,Agustín,Joaquín,Nicolás,Ramón,Sebastián,Julián,Germán,Facundo,Lucas,Tomás",
     "Núñez,Pérez,González,Rodríguez,Fernández,Álvarez,Romero,Sosa,Benítez,Acuña,Domínguez,"
     "Giménez,Ríos,Medina,Ortiz,Suárez",
     "Buenos Aires;Rosario;Córdoba|Cordoba|||Cordoba;La Plata;Mendoza;Avellaneda;Santa Fe;"
     "Tucumán;Mar del Plata;Bahía Blanca;Paraná;San Juan",
     1},
    {"CZE", "Czech Republic|República Checa|Tjeckien|République tchèque|Tsjechië|Repubblica Ceca",
     "Tomáš,Jiří,Václav,Petr,Ondřej,Lukáš,Radek,Michal,Jaroslav,Přemysl,Vít,Zdeněk",
     "Novák,Dvořák,Černý,Procházka,Kučera,Veselý,Horák,Němec,Pokorný,Růžička,Marek,Beneš,Fiala,"
     "Šťastný,Sedláček,Doležal",
     "Praha|Prague|Praga|Prag|Prague|Praag|Praga;Brno;Ostrava;Plzeň|Pilsen|Pilsen|Pilsen|Pilsen|"
     "Pilsen|Pilsen;Olomouc;Liberec;Teplice;Jablonec;Zlín;Příbram;Mladá Boleslav;"
     "České Budějovice",
     0},
    {"ISL", "Iceland|Islandia|Island|Islande|IJsland|Islanda",
     "Guðmundur,Þórður,Ólafur,Sigurður,Gunnar,Aron,Hörður,Kári,Jón,Birkir,Ragnar,Hannes",
     "Guðmundsson,Þórsson,Jónsson,Sigurðsson,Ólafsson,Gunnarsson,Magnússon,Björnsson,"
     "Kristjánsson,Einarsson,Halldórsson,Stefánsson",
     "Reykjavík|Reykjavik||Reykjavik|Reykjavik|Reykjavik|Reykjavik;Akureyri;Hafnarfjörður;"
     "Kópavogur;Keflavík;Akranes;Vestmannaeyjar;Garðabær;Selfoss;Húsavík;Ísafjörður;Grindavík",
     0},
    {"NGA", "Nigeria|Nigeria|Nigeria|Nigeria|Nigeria|Nigeria",
     "Chukwuemeka,Oluwaseun,Emeka,Tunde,Obinna,Chidi,Ikechukwu,Babatunde,Femi,Uche,Adebayo,"
     "Kelechi",
     "Okafor,Adeyemi,Nwosu,Okonkwo,Balogun,Eze,Olawale,Adebisi,Obi,Ogunleye,Onyeka,Akinola",
     "Lagos;Abuja;Kano;Ibadan;Enugu;Port Harcourt;Kaduna;Jos;Aba;Benin City;Ilorin;Warri", 2},
};

// Nicknames, mostly of Brazilian and Portuguese players.
inline constexpr const char* pseudonyms =
    "Dudu,Tinho,Zeca,Juca,Guga,Léo,Cacá,Tatá,Nandinho,Zé Carlos,"
    "Betinho,Pepê,Chiquinho,Luisão,Paulão,Rafinha";

// ---------------------------------------------------------------------------------------------
// Localized wording

inline constexpr phrase league_patterns = {"{n} {t}",   "{t} de {n}",  "{t} i {n}",
                                           "{t} ({n})", "{t} van {n}", "{t} di {n}"};
inline constexpr phrase group_patterns = {" – Group {g}",  " – Grupo {g}", " – Grupp {g}",
                                          " – Groupe {g}", " – Groep {g}", " – Girone {g}"};
inline constexpr phrase tiers[5] = {
    {"Premier Division", "Primera División", "Högsta divisionen", "Première division",
     "Hoogste divisie", "Prima divisione"},
    {"First Division", "Segunda División", "Division 1", "Deuxième division", "Eerste divisie",
     "Seconda divisione"},
    {"Second Division", "Segunda División B", "Division 2", "Troisième division", "Tweede divisie",
     "Terza divisione"},
    {"Third Division", "Tercera División", "Division 3", "Quatrième division", "Derde divisie",
     "Quarta divisione"},
    {"Regional League", "Liga Regional", "Regionserien", "Ligue régionale", "Regionale competitie",
     "Lega regionale"},
};
inline constexpr phrase short_tiers[5] = {
    {"Premier", "Primera", "Högsta", "D1", "Hoogste", "Prima"},
    {"Div 1", "Segunda", "Div. 1", "D2", "Eerste", "Seconda"},
    {"Div 2", "Segunda B", "Div. 2", "D3", "Tweede", "Terza"},
    {"Div 3", "Tercera", "Div. 3", "D4", "Derde", "Quarta"},
    {"Regional", "Regional", "Region", "Régionale", "Regio", "Regionale"},
};
inline constexpr const char* tier_tags[5] = {"PREM", "DIV1", "DIV2", "DIV3", "REG"};

inline constexpr phrase national_league_title = {
    "International Teams", "Selecciones nacionales", "Landslag",
    "Équipes nationales",  "Nationale teams",        "Squadre nazionali"};
inline constexpr phrase national_league_short = {"Nations",    "Selecciones", "Landslag",
                                                 "Sélections", "Landenteams", "Nazionali"};
inline constexpr phrase elite_league_title = {"European Club Elite", "Élite Europea de Clubes",
                                              "Europeisk klubbelit", "Élite européenne des clubs",
                                              "Europese clubelite",  "Elite europea dei club"};
inline constexpr phrase elite_league_short = {"Euro Elite", "Élite Eur.", "Klubbelit",
                                              "Élite Eur.", "Clubelite",  "Elite Eur."};

inline constexpr int club_kinds = 8;
inline constexpr phrase club_patterns[club_kinds] = {
    {"{c} FC", "{c} CF", "{c} FK", "FC {c}", "VC {c}", "{c} Calcio"},
    {"Athletic {c}", "Atlético {c}", "Atletklubben {c}", "Athlétique {c}", "Atletiek {c}",
     "Atletico {c}"},
    {"Sporting {c}", "Deportivo {c}", "{c} Sportklubb", "Sporting Club de {c}", "Sportclub {c}",
     "Sportiva {c}"},
    {"{c} United", "Unión {c}", "{c} Förenade", "Union sportive de {c}", "{c} Verenigd",
     "Unione {c}"},
    {"Dynamo {c}", "Dinamo {c}", "IK Dynamo {c}", "Dynamo de {c}", "SV Dynamo {c}",
     "Dinamo {c} FC"},
    {"Racing {c}", "Racing de {c}", "Racingklubben {c}", "Racing Club de {c}", "Racing {c} VV",
     "Racing {c} FC"},
    {"Olympic {c}", "Olímpico de {c}", "Olympiska {c}", "Olympique de {c}", "Olympisch {c}",
     "Olimpica {c}"},
    {"{c} City", "Ciudad de {c}", "{c} Stad", "Ville de {c}", "Stad {c}", "Città di {c}"},
};
inline constexpr phrase club_codes[club_kinds] = {
    {"FC", "CF", "FK", "FC", "VC", "CA"}, {"AT", "AT", "AK", "AT", "AT", "AT"},
    {"SP", "DE", "SK", "SC", "SC", "SP"}, {"UT", "UN", "FÖ", "US", "VE", "UN"},
    {"DY", "DI", "DY", "DY", "DY", "DI"}, {"RC", "RC", "RK", "RC", "RC", "RC"},
    {"OL", "OL", "OL", "OL", "OL", "OL"}, {"CY", "CD", "ST", "VI", "ST", "CT"},
};
inline constexpr const char* club_tags[club_kinds] = {"FC",  "ATH", "SPO", "UTD",
                                                      "DYN", "RAC", "OLY", "CITY"};

inline constexpr int stadium_kinds = 4; // the national stadium is a fifth
inline constexpr phrase stadium_patterns[stadium_kinds + 1] = {
    {"{c} Municipal Stadium", "Estadio Municipal de {c}", "{c} kommunala stadion",
     "Stade municipal de {c}", "Gemeentelijk Stadion {c}", "Stadio Comunale di {c}"},
    {"{c} Park", "Parque de {c}", "{c} idrottspark", "Parc de {c}", "Park {c}", "Parco di {c}"},
    {"{c} Arena", "Arena de {c}", "Arenan i {c}", "Arène de {c}", "Arena {c}", "Arena di {c}"},
    {"{c} Football Ground", "Campo de Fútbol de {c}", "{c} fotbollsplan",
     "Terrain de football de {c}", "Voetbalterrein {c}", "Campo sportivo di {c}"},
    {"{c} National Stadium", "Estadio Nacional de {c}", "Nationalarenan i {c}",
     "Stade national de {c}", "Nationaal Stadion {c}", "Stadio Nazionale di {c}"},
};
inline constexpr const char* stadium_tags[stadium_kinds + 1] = {"MUNI", "PARK", "ARENA", "GROUND",
                                                                "NATIONAL"};

// Texts of the language file that are not names of rows.
inline constexpr phrase menu_phrases[] = {
    {"New Game", "Nueva partida", "Nytt spel", "Nouvelle partie", "Nieuw spel", "Nuova partita"},
    {"Load Game", "Cargar partida", "Ladda spel", "Charger une partie", "Spel laden",
     "Carica partita"},
    {"Save Game", "Guardar partida", "Spara spel", "Sauvegarder la partie", "Spel opslaan",
     "Salva partita"},
    {"Options", "Opciones", "Alternativ", "Options", "Opties", "Opzioni"},
    {"Quit", "Salir", "Avsluta", "Quitter", "Afsluiten", "Esci"},
    {"Friendly Match", "Partido amistoso", "Vänskapsmatch", "Match amical",
     "Vriendschappelijke wedstrijd", "Amichevole"},
    {"Season", "Temporada", "Säsong", "Saison", "Seizoen", "Stagione"},
    {"Transfers", "Traspasos", "Övergångar", "Transferts", "Transfers", "Trasferimenti"},
    {"Squad", "Plantilla", "Trupp", "Effectif", "Selectie", "Rosa"},
    {"Tactics", "Tácticas", "Taktik", "Tactique", "Tactiek", "Tattiche"},
    {"Budget (€)", "Presupuesto (€)", "Budget (€)", "Budget (€)", "Begroting (€)", "Bilancio (€)"},
    {"Kick-off", "Saque inicial", "Avspark", "Coup d'envoi", "Aftrap", "Calcio d'inizio"},
    {"Half time", "Descanso", "Halvtid", "Mi-temps", "Rust", "Intervallo"},
    {"Full time", "Final del partido", "Slutsignal", "Fin du match", "Einde wedstrijd",
     "Fine partita"},
    {"Substitution", "Sustitución", "Byte", "Remplacement", "Wissel", "Sostituzione"},
    {"Yellow card", "Tarjeta amarilla", "Gult kort", "Carton jaune", "Gele kaart",
     "Cartellino giallo"},
    {"Red card", "Tarjeta roja", "Rött kort", "Carton rouge", "Rode kaart", "Cartellino rosso"},
    {"Penalty kick", "Penalti", "Straff", "Tir de réparation", "Strafschop", "Rigore"},
    {"Corner kick", "Córner", "Hörna", "Corner", "Hoekschop", "Calcio d'angolo"},
    {"Free kick", "Tiro libre", "Frispark", "Coup franc", "Vrije trap", "Calcio di punizione"},
    {"Offside", "Fuera de juego", "Offside", "Hors-jeu", "Buitenspel", "Fuorigioco"},
    {"Goal!", "¡Gol!", "Mål!", "But !", "Doelpunt!", "Gol!"},
    {"Difficulty", "Dificultad", "Svårighetsgrad", "Difficulté", "Moeilijkheidsgraad",
     "Difficoltà"},
    {"Continue…", "Continuar…", "Fortsätt…", "Continuer…", "Doorgaan…", "Continua…"},
};
inline constexpr phrase commentary_phrases[] = {
    {"What a save by the goalkeeper!", "¡Qué parada del portero!", "Vilken räddning av målvakten!",
     "Quel arrêt du gardien !", "Wat een redding van de keeper!", "Che parata del portiere!"},
    {"The ball goes wide.", "El balón se marcha fuera.", "Bollen går utanför.",
     "Le ballon passe à côté.", "De bal gaat naast.", "Il pallone finisce fuori."},
    {"A great pass through the middle.", "Un gran pase por el centro.",
     "En fin passning genom mitten.", "Une belle passe dans l'axe.",
     "Een prachtige pass door het midden.", "Un gran passaggio centrale."},
    {"The referee waves play on.", "El árbitro deja seguir.", "Domaren låter spelet gå vidare.",
     "L'arbitre laisse jouer.", "De scheidsrechter laat doorspelen.",
     "L'arbitro lascia proseguire."},
    {"The crowd is on its feet!", "¡El público se pone en pie!", "Publiken står upp!",
     "Le public est debout !", "Het publiek staat op de banken!", "Il pubblico è in piedi!"},
    {"That was close!", "¡Por poco!", "Det var nära!", "C'était tout près !", "Dat was dichtbij!",
     "C'è mancato poco!"},
    {"A shot from distance.", "Un disparo lejano.", "Ett långskott.", "Une frappe de loin.",
     "Een schot van afstand.", "Un tiro dalla distanza."},
    {"Header over the bar.", "Remate de cabeza por encima del larguero.", "Nick över ribban.",
     "Tête au-dessus de la barre.", "Kopbal over de lat.", "Colpo di testa sopra la traversa."},
};
inline constexpr phrase tip_phrases[] = {
    {"Tip {n}: rest your key players before important matches.",
     "Consejo {n}: da descanso a tus jugadores clave antes de los partidos importantes.",
     "Tips {n}: vila dina nyckelspelare före viktiga matcher.",
     "Astuce {n} : faites reposer vos joueurs clés avant les matchs importants.",
     "Tip {n}: laat je sleutelspelers rusten voor belangrijke wedstrijden.",
     "Consiglio {n}: fai riposare i giocatori chiave prima delle partite importanti."},
    {"Tip {n}: a young squad improves faster with good training facilities.",
     "Consejo {n}: una plantilla joven mejora más rápido con buenas instalaciones.",
     "Tips {n}: en ung trupp utvecklas snabbare med bra träningsanläggningar.",
     "Astuce {n} : une équipe jeune progresse plus vite avec de bonnes installations.",
     "Tip {n}: een jonge selectie verbetert sneller met goede trainingsfaciliteiten.",
     "Consiglio {n}: una rosa giovane migliora più in fretta con buone strutture."},
    {"Tip {n}: check the weather before choosing your tactics.",
     "Consejo {n}: consulta el tiempo antes de elegir la táctica.",
     "Tips {n}: kolla vädret innan du väljer taktik.",
     "Astuce {n} : regardez la météo avant de choisir votre tactique.",
     "Tip {n}: kijk naar het weer voordat je een tactiek kiest.",
     "Consiglio {n}: controlla il meteo prima di scegliere la tattica."},
};
inline constexpr phrase message_phrases[] = {
    {"Message {n}: the board is pleased with your results.",
     "Mensaje {n}: la directiva está satisfecha con tus resultados.",
     "Meddelande {n}: styrelsen är nöjd med dina resultat.",
     "Message {n} : le conseil d'administration est satisfait de vos résultats.",
     "Bericht {n}: het bestuur is tevreden over je resultaten.",
     "Messaggio {n}: la dirigenza è soddisfatta dei tuoi risultati."},
    {"Message {n}: the fans expect a win in the next match.",
     "Mensaje {n}: la afición espera una victoria en el próximo partido.",
     "Meddelande {n}: fansen väntar sig seger i nästa match.",
     "Message {n} : les supporters attendent une victoire au prochain match.",
     "Bericht {n}: de fans verwachten een overwinning in de volgende wedstrijd.",
     "Messaggio {n}: i tifosi si aspettano una vittoria nella prossima partita."},
    {"Message {n}: a scout has found a promising youngster.",
     "Mensaje {n}: un ojeador ha encontrado a un joven prometedor.",
     "Meddelande {n}: en scout har hittat en lovande ung spelare.",
     "Message {n} : un recruteur a repéré un jeune prometteur.",
     "Bericht {n}: een scout heeft een veelbelovend talent gevonden.",
     "Messaggio {n}: un osservatore ha trovato un giovane promettente."},
};
inline constexpr phrase press_phrase = {"Press release {n}",   "Comunicado de prensa {n}",
                                        "Pressmeddelande {n}", "Communiqué de presse {n}",
                                        "Persbericht {n}",     "Comunicato stampa {n}"};

inline constexpr const char* tactic_shapes[] = {"4-4-2", "4-3-3",   "3-5-2", "5-3-2",
                                                "4-5-1", "4-2-3-1", "3-4-3", "5-4-1"};
inline constexpr const char* tactic_styles[] = {"Balanced",   "Pressing", "Counter-attack",
                                                "Possession", "Direct",   "Low block"};

} // namespace qira::testdata
