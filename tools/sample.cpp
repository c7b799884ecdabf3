// The generated sample install. A football world of nations, leagues, clubs, national teams and
// players is drawn from the seed and then written into the fifteen tables of the game database
// file and into the six language files. Every random choice comes from one splitmix64 stream and
// plain integer arithmetic, so the same options give the same bytes with any compiler and
// standard library.

#include "sample.h"

#include "dbfile/bits.h"
#include "dbfile/build.h"
#include "fileio/bytes.h"
#include "langfile/stored_string.h"

#include <algorithm>
#include <cassert>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

namespace qira {

namespace {

constexpr int languages = static_cast<int>(language_codes.size());
using texts = std::array<std::string, languages>;
using phrase = std::array<const char*, languages>; // eng, spa, swe, fre, dut, ita

// ---------------------------------------------------------------------------------------------
// Random numbers

class random_source {
  public:
    explicit random_source(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi], lo <= hi.
    int between(int lo, int hi) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
        return static_cast<int>(lo + static_cast<std::int64_t>(next() % span));
    }
    bool chance(int percent) { return between(0, 99) < percent; }
    std::size_t index(std::size_t size) { return static_cast<std::size_t>(next() % size); }
    template <class T> const T& pick(const std::vector<T>& v) { return v[index(v.size())]; }
    template <class T> void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[index(i)]);
    }

  private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------------------------
// Texts

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = s.find(sep, start);
        parts.emplace_back(s.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string substitute(std::string_view pattern, std::string_view field, std::string_view value) {
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = pattern.find(field, start);
        out += pattern.substr(start, at == std::string_view::npos ? at : at - start);
        if (at == std::string_view::npos)
            return out;
        out += value;
        start = at + field.size();
    }
}

// The code points of a text of this file (always valid UTF-8).
std::vector<char32_t> code_points(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1Fu) : len == 3 ? (c & 0x0Fu) : (c & 0x07u);
        for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += len;
    }
    return out;
}

// Upper case for ASCII, Latin-1 and Latin Extended-A; other letters stay as they are.
char32_t to_upper(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c == 0x131) // dotless i
        return 'I';
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c % 2 == 1 ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c % 2 == 0 ? c - 1 : c;
    return c;
}

// The first `count` characters of the text.
std::string first_chars(std::string_view s, std::size_t count) {
    std::string out;
    const auto cps = code_points(s);
    for (std::size_t i = 0; i < cps.size() && i < count; ++i)
        append_utf8(out, cps[i]);
    return out;
}

// The first `count` letters of the text in upper case, spaces and hyphens left out.
std::string initials(std::string_view s, std::size_t count) {
    std::string out;
    std::size_t taken = 0;
    for (char32_t c : code_points(s)) {
        if (taken == count)
            break;
        if (c == ' ' || c == '-' || c == '\'')
            continue;
        append_utf8(out, to_upper(c));
        ++taken;
    }
    return out;
}

// The ASCII letter that stands for a Latin-1 or Latin Extended-A letter in internal names.
char ascii_fold(char32_t c) {
    static constexpr std::string_view latin1 = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTS"
                                               "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTY";
    static constexpr std::string_view extended_a = "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"
                                                   "GGGGHHHHIIIIIIIIIIJJJJKKKLLLLLLL"
                                                   "LLLNNNNNNNNNOOOOOOOORRRRRRSSSSSS"
                                                   "SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return static_cast<char>(c);
    if (c == ' ' || c == '-' || c == '\'' || c == '.')
        return '_';
    if (c >= 0xC0 && c <= 0xFF)
        return latin1[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F)
        return extended_a[c - 0x100];
    return 0;
}

// An internal name: upper-case ASCII letters and digits joined by single underscores.
std::string label_text(std::string_view s) {
    std::string out;
    for (char32_t c : code_points(s)) {
        const char a = ascii_fold(c);
        if (a == 0 || (a == '_' && (out.empty() || out.back() == '_')))
            continue;
        out += a;
    }
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    return out;
}

std::string roman(int n) {
    static constexpr std::pair<int, const char*> digits[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string out;
    for (const auto& [value, text] : digits)
        for (; n >= value; n -= value)
            out += text;
    return out;
}

texts all_languages(const phrase& p) {
    texts out;
    for (int l = 0; l < languages; ++l)
        out[l] = p[l];
    return out;
}

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

constexpr nation_source nation_sources[] = {
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
constexpr const char* pseudonyms = "Dudu,Tinho,Zeca,Juca,Guga,Léo,Cacá,Tatá,Nandinho,Zé Carlos,"
                                   "Betinho,Pepê,Chiquinho,Luisão,Paulão,Rafinha";

struct city {
    std::string native;
    texts local;
};

struct nation {
    std::string code;
    texts name;
    std::vector<std::string> first_names;
    std::vector<std::string> surnames;
    std::vector<city> cities;
    int continent = 0;
    int pseudonym_percent = 3;
};

std::vector<nation> make_nations() {
    std::vector<nation> out;
    for (const auto& src : nation_sources) {
        nation n;
        n.code = src.code;
        const auto names = split(src.names, '|');
        for (int l = 0; l < languages; ++l)
            n.name[l] = names[static_cast<std::size_t>(l)];
        n.first_names = split(src.first_names, ',');
        n.surnames = split(src.surnames, ',');
        for (const auto& spec : split(src.cities, ';')) {
            auto parts = split(spec, '|');
            parts.resize(languages + 1);
            city c;
            c.native = parts[0];
            for (int l = 0; l < languages; ++l) {
                const auto& local = parts[static_cast<std::size_t>(l) + 1];
                c.local[l] = local.empty() ? c.native : local;
            }
            n.cities.push_back(std::move(c));
        }
        n.continent = src.continent;
        n.pseudonym_percent = n.code == "BRA"                      ? 60
                              : n.code == "POR"                    ? 20
                              : n.code == "ESP" || n.code == "ARG" ? 8
                                                                   : 3;
        out.push_back(std::move(n));
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Localized wording

constexpr phrase league_patterns = {"{n} {t}",   "{t} de {n}",  "{t} i {n}",
                                    "{t} ({n})", "{t} van {n}", "{t} di {n}"};
constexpr phrase group_patterns = {" – Group {g}",  " – Grupo {g}", " – Grupp {g}",
                                   " – Groupe {g}", " – Groep {g}", " – Girone {g}"};
constexpr phrase tiers[5] = {
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
constexpr phrase short_tiers[5] = {
    {"Premier", "Primera", "Högsta", "D1", "Hoogste", "Prima"},
    {"Div 1", "Segunda", "Div. 1", "D2", "Eerste", "Seconda"},
    {"Div 2", "Segunda B", "Div. 2", "D3", "Tweede", "Terza"},
    {"Div 3", "Tercera", "Div. 3", "D4", "Derde", "Quarta"},
    {"Regional", "Regional", "Region", "Régionale", "Regio", "Regionale"},
};
constexpr const char* tier_tags[5] = {"PREM", "DIV1", "DIV2", "DIV3", "REG"};

constexpr phrase national_league_title = {
    "International Teams", "Selecciones nacionales", "Landslag",
    "Équipes nationales",  "Nationale teams",        "Squadre nazionali"};
constexpr phrase national_league_short = {"Nations",    "Selecciones", "Landslag",
                                          "Sélections", "Landenteams", "Nazionali"};
constexpr phrase elite_league_title = {"European Club Elite", "Élite Europea de Clubes",
                                       "Europeisk klubbelit", "Élite européenne des clubs",
                                       "Europese clubelite",  "Elite europea dei club"};
constexpr phrase elite_league_short = {"Euro Elite", "Élite Eur.", "Klubbelit",
                                       "Élite Eur.", "Clubelite",  "Elite Eur."};

constexpr int club_kinds = 8;
constexpr phrase club_patterns[club_kinds] = {
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
constexpr phrase club_codes[club_kinds] = {
    {"FC", "CF", "FK", "FC", "VC", "CA"}, {"AT", "AT", "AK", "AT", "AT", "AT"},
    {"SP", "DE", "SK", "SC", "SC", "SP"}, {"UT", "UN", "FÖ", "US", "VE", "UN"},
    {"DY", "DI", "DY", "DY", "DY", "DI"}, {"RC", "RC", "RK", "RC", "RC", "RC"},
    {"OL", "OL", "OL", "OL", "OL", "OL"}, {"CY", "CD", "ST", "VI", "ST", "CT"},
};
constexpr const char* club_tags[club_kinds] = {"FC",  "ATH", "SPO", "UTD",
                                               "DYN", "RAC", "OLY", "CITY"};

constexpr int stadium_kinds = 4; // the national stadium is a fifth
constexpr phrase stadium_patterns[stadium_kinds + 1] = {
    {"{c} Municipal Stadium", "Estadio Municipal de {c}", "{c} kommunala stadion",
     "Stade municipal de {c}", "Gemeentelijk Stadion {c}", "Stadio Comunale di {c}"},
    {"{c} Park", "Parque de {c}", "{c} idrottspark", "Parc de {c}", "Park {c}", "Parco di {c}"},
    {"{c} Arena", "Arena de {c}", "Arenan i {c}", "Arène de {c}", "Arena {c}", "Arena di {c}"},
    {"{c} Football Ground", "Campo de Fútbol de {c}", "{c} fotbollsplan",
     "Terrain de football de {c}", "Voetbalterrein {c}", "Campo sportivo di {c}"},
    {"{c} National Stadium", "Estadio Nacional de {c}", "Nationalarenan i {c}",
     "Stade national de {c}", "Nationaal Stadion {c}", "Stadio Nazionale di {c}"},
};
constexpr const char* stadium_tags[stadium_kinds + 1] = {"MUNI", "PARK", "ARENA", "GROUND",
                                                         "NATIONAL"};

// Texts of the language file that are not names of rows.
constexpr phrase menu_phrases[] = {
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
constexpr phrase commentary_phrases[] = {
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
constexpr phrase tip_phrases[] = {
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
constexpr phrase message_phrases[] = {
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
constexpr phrase press_phrase = {"Press release {n}",   "Comunicado de prensa {n}",
                                 "Pressmeddelande {n}", "Communiqué de presse {n}",
                                 "Persbericht {n}",     "Comunicato stampa {n}"};

constexpr const char* tactic_shapes[] = {"4-4-2", "4-3-3",   "3-5-2", "5-3-2",
                                         "4-5-1", "4-2-3-1", "3-4-3", "5-4-1"};
constexpr const char* tactic_styles[] = {"Balanced",   "Pressing", "Counter-attack",
                                         "Possession", "Direct",   "Low block"};

// Preferred positions of a club's players by their place in the squad: a starting eleven in a
// 4-4-2, then the substitutes. The codes are the editor's position items (0 GK to 31 LS).
constexpr int squad_positions[22] = {0, 3, 4, 6, 7,  15, 16, 18, 19, 29, 31,
                                     0, 5, 3, 7, 11, 17, 23, 20, 14, 30, 27};
constexpr int position_substitute = 32;
constexpr int position_reserve = 33;

// ---------------------------------------------------------------------------------------------
// How big each scale is

struct plan {
    int league_nations;   // nations with domestic leagues, in the order of nation_sources
    int domestic_leagues; // the last of them has no teams
    int clubs;
    int national_teams;
    int national_squad;
    int elite_clubs;  // clubs that also play in the international club league
    int league_links; // at most this many rows of league-team links
    int players;
    int free_agents;
    int player_links; // loans fill the team links up to this count
    int stadiums;
    int referees;
    int tactics;
    int cups;
    int fixtures; // 0: only the league rounds; else friendlies fill up to this count
    int language_entries;
};

constexpr int cup_words_per_row = 53; // 53 words * 4717 rows = 250001 words
constexpr int cup_slots = 64;

plan plan_for(sample_scale scale) {
    switch (scale) {
    case sample_scale::game:
        return {.league_nations = 17,
                .domestic_leagues = 38,
                .clubs = 583,
                .national_teams = 17,
                .national_squad = 22,
                .elite_clubs = 16,
                .league_links = max_rows,
                .players = 10000,
                .free_agents = 300,
                .player_links = 11000,
                .stadiums = 500,
                .referees = 300,
                .tactics = 49,
                .cups = 20,
                .fixtures = 0,
                .language_entries = 30000};
    case sample_scale::max:
        // Leagues, clubs and national teams fill 11001 rows each, and so do their links.
        return {.league_nations = 17,
                .domestic_leagues = max_rows - 2,
                .clubs = max_rows - 17,
                .national_teams = 17,
                .national_squad = 11,
                .elite_clubs = 8,
                .league_links = max_rows,
                .players = max_rows,
                .free_agents = 200,
                .player_links = max_rows,
                .stadiums = max_rows,
                .referees = max_rows,
                .tactics = max_rows,
                .cups = static_cast<int>(max_row_words) / cup_words_per_row,
                .fixtures = max_rows,
                .language_entries = static_cast<int>(max_language_entries)};
    case sample_scale::tiny:
        break;
    }
    return {.league_nations = 3,
            .domestic_leagues = 4,
            .clubs = 9,
            .national_teams = 3,
            .national_squad = 11,
            .elite_clubs = 3,
            .league_links = max_rows,
            .players = 200,
            .free_agents = 12,
            .player_links = 225,
            .stadiums = 8,
            .referees = 6,
            .tactics = 12,
            .cups = 3,
            .fixtures = 0,
            .language_entries = 240};
}

// Ids leave a gap after every ninth row, so that no id is its row position.
int id_of(int index) {
    return 1 + index + index / 9;
}

// ---------------------------------------------------------------------------------------------
// The world

enum class league_kind { domestic, elite, national };

struct league_info {
    int id = 0;
    league_kind kind = league_kind::domestic;
    int nation = 0;
    int level = 0;
    int group = 0;
    std::vector<int> teams;
};

struct member {
    int player;
    bool loaned;
};

struct team_info {
    int id = 0;
    int nation = 0;
    bool national = false;
    int league = -1; // the domestic league (or the league of national teams), -1: none
    int city = 0;
    int kind = 0;
    int generation = 0; // the how-manieth club of this name in its nation
    int stadium = 0;
    std::vector<member> roster;
    int captain = 0; // player ids
    int penalty_taker = 0;
    int free_kick_taker = 0;
    int corner_taker = 0;
};

struct player_info {
    int id = 0;
    int nation = 0;
    int position = 0;
    int club = -1;
    int talent = 0;
    int star = 0;
    std::string first, pseudonym, surname;
};

struct stadium_info {
    int id = 0;
    int nation = 0;
    int city = -1; // -1: the nation's national stadium
    int kind = 0;
    int generation = 0;
};

struct world {
    plan p;
    std::vector<nation> nations;
    std::vector<league_info> leagues;
    std::vector<team_info> teams;
    std::vector<player_info> players;
    std::vector<stadium_info> stadiums;
};

int nation_id(int nation) {
    return id_of(nation);
}

void make_leagues(world& w) {
    const plan& p = w.p;
    for (int j = 0; j < p.domestic_leagues; ++j) {
        league_info l;
        l.kind = league_kind::domestic;
        l.nation = j % p.league_nations;
        l.level = j / p.league_nations % 5;
        l.group = j / (p.league_nations * 5);
        w.leagues.push_back(l);
    }
    league_info elite;
    elite.kind = league_kind::elite;
    w.leagues.push_back(elite);
    league_info national;
    national.kind = league_kind::national;
    w.leagues.push_back(national);
    for (std::size_t i = 0; i < w.leagues.size(); ++i)
        w.leagues[i].id = id_of(static_cast<int>(i));
}

void make_teams(world& w, random_source& rng) {
    const plan& p = w.p;
    // Each nation's clubs take the city and kind combinations in a shuffled order; a name comes
    // round again with a higher generation ("II", "III") only when all are used.
    std::vector<std::vector<int>> combos(w.nations.size());
    std::vector<int> used(w.nations.size(), 0);
    const auto add_club = [&](int nation, int league) {
        auto& order = combos[static_cast<std::size_t>(nation)];
        const int cities =
            static_cast<int>(w.nations[static_cast<std::size_t>(nation)].cities.size());
        if (order.empty()) {
            for (int c = 0; c < cities * club_kinds; ++c)
                order.push_back(c);
            rng.shuffle(order);
        }
        const int k = used[static_cast<std::size_t>(nation)]++;
        const int combo = order[static_cast<std::size_t>(k) % order.size()];
        team_info t;
        t.nation = nation;
        t.league = league;
        t.city = combo % cities;
        t.kind = combo / cities;
        t.generation = k / static_cast<int>(order.size());
        w.teams.push_back(std::move(t));
        return static_cast<int>(w.teams.size()) - 1;
    };

    const int in_leagues = std::min(p.clubs, p.league_links - p.national_teams - p.elite_clubs);
    const int filled = p.domestic_leagues - 1; // the last domestic league stays empty
    for (int j = 0; j < filled; ++j) {
        const int count = in_leagues / filled + (j < in_leagues % filled ? 1 : 0);
        for (int k = 0; k < count; ++k)
            w.leagues[static_cast<std::size_t>(j)].teams.push_back(
                add_club(w.leagues[static_cast<std::size_t>(j)].nation, j));
    }
    for (int k = in_leagues; k < p.clubs; ++k) // clubs that play in no league
        add_club(k % p.league_nations, -1);

    // The international club league: the first club of each top league.
    league_info& elite = w.leagues[static_cast<std::size_t>(p.domestic_leagues)];
    for (int j = 0; j < filled && static_cast<int>(elite.teams.size()) < p.elite_clubs; ++j) {
        const auto& l = w.leagues[static_cast<std::size_t>(j)];
        if (l.level == 0 && l.group == 0 && !l.teams.empty())
            elite.teams.push_back(l.teams.front());
    }

    league_info& national = w.leagues[static_cast<std::size_t>(p.domestic_leagues) + 1];
    for (int n = 0; n < p.national_teams; ++n) {
        team_info t;
        t.nation = n % static_cast<int>(w.nations.size());
        t.national = true;
        t.league = p.domestic_leagues + 1;
        w.teams.push_back(std::move(t));
        national.teams.push_back(static_cast<int>(w.teams.size()) - 1);
    }
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        w.teams[i].id = id_of(static_cast<int>(i));
}

player_info new_player(world& w, random_source& rng, int nation_index, int position) {
    const nation& n = w.nations[static_cast<std::size_t>(nation_index)];
    player_info pl;
    pl.nation = nation_index;
    pl.position = position;
    pl.first = rng.pick(n.first_names);
    pl.surname = rng.pick(n.surnames);
    if (rng.chance(n.pseudonym_percent)) {
        static const std::vector<std::string> nicknames = split(pseudonyms, ',');
        pl.pseudonym = rng.pick(nicknames);
    }
    const int roll = rng.between(0, 99);
    pl.talent = roll < 5 ? 0 : roll < 20 ? 1 : roll < 50 ? 2 : roll < 80 ? 3 : roll < 95 ? 4 : 5;
    pl.star = pl.talent >= 4 && rng.chance(30) ? 1 : 0;
    return pl;
}

// Club players, free agents, national squads and loans, then the special cases.
void make_players(world& w, random_source& rng) {
    const plan& p = w.p;
    const int nation_count = static_cast<int>(w.nations.size());

    std::vector<int> clubs; // clubs in leagues first, in team order
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        if (!w.teams[i].national)
            clubs.push_back(static_cast<int>(i));
    // The club without players: one of the clubs in a league.
    std::vector<int> league_clubs;
    for (int c : clubs)
        if (w.teams[static_cast<std::size_t>(c)].league >= 0)
            league_clubs.push_back(c);
    const int empty_club = league_clubs.empty() ? -1 : rng.pick(league_clubs);

    std::vector<int> squads;
    for (int c : clubs)
        if (c != empty_club)
            squads.push_back(c);
    if (squads.empty())
        return;
    const int club_players = p.players - p.free_agents;
    const int squad_count = static_cast<int>(squads.size());
    for (int s = 0; s < squad_count; ++s) {
        team_info& club = w.teams[static_cast<std::size_t>(squads[static_cast<std::size_t>(s)])];
        const int size = club_players / squad_count + (s < club_players % squad_count ? 1 : 0);
        for (int k = 0; k < size; ++k) {
            const int nation = rng.chance(65) ? club.nation : rng.between(0, nation_count - 1);
            player_info pl = new_player(w, rng, nation, squad_positions[k % 22]);
            pl.club = squads[static_cast<std::size_t>(s)];
            w.players.push_back(std::move(pl));
            club.roster.push_back({static_cast<int>(w.players.size()) - 1, false});
        }
    }
    for (int k = 0; k < p.free_agents; ++k)
        w.players.push_back(new_player(w, rng, rng.between(0, nation_count - 1),
                                       squad_positions[rng.between(0, 21)]));
    for (std::size_t i = 0; i < w.players.size(); ++i)
        w.players[i].id = id_of(static_cast<int>(i));

    // National squads: club players of the nation.
    for (auto& t : w.teams) {
        if (!t.national)
            continue;
        std::vector<int> candidates;
        for (std::size_t i = 0; i < w.players.size(); ++i)
            if (w.players[i].nation == t.nation && w.players[i].club >= 0)
                candidates.push_back(static_cast<int>(i));
        rng.shuffle(candidates);
        const auto size = std::min(candidates.size(), static_cast<std::size_t>(p.national_squad));
        for (std::size_t k = 0; k < size; ++k)
            t.roster.push_back({candidates[k], false});
    }

    // Loans fill the team links up to the plan's count.
    int links = 0;
    for (const auto& t : w.teams)
        links += static_cast<int>(t.roster.size());
    const int club_player_end = club_players;
    for (int guard = 0; links < p.player_links && club_player_end > 0 && guard < 1000000; ++guard) {
        const int pl = rng.between(0, club_player_end - 1);
        const int to = squads[rng.index(squads.size())];
        team_info& club = w.teams[static_cast<std::size_t>(to)];
        const bool already = std::any_of(club.roster.begin(), club.roster.end(),
                                         [&](const member& m) { return m.player == pl; });
        if (already)
            continue;
        club.roster.push_back({pl, true});
        ++links;
    }

    // Extremes that the player page clamps, and some nicknames.
    if (club_players >= 4) {
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].talent = 7;
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].talent = 6;
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].star = 2;
        auto& nick = w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))];
        if (nick.pseudonym.empty())
            nick.pseudonym = "Zé Carlos";
    }

    // Two players of different clubs with identical names.
    if (squads.size() >= 2) {
        const auto a = rng.index(squads.size());
        const auto b = (a + 1 + rng.index(squads.size() - 1)) % squads.size();
        const auto& from = w.teams[static_cast<std::size_t>(squads[a])];
        auto& to = w.teams[static_cast<std::size_t>(squads[b])];
        if (!from.roster.empty()) {
            const int original = from.roster[0].player;
            for (auto m = to.roster.rbegin(); m != to.roster.rend(); ++m) {
                if (m->loaned || m->player == original)
                    continue;
                const player_info& first = w.players[static_cast<std::size_t>(original)];
                player_info& twin = w.players[static_cast<std::size_t>(m->player)];
                twin.first = first.first;
                twin.pseudonym = first.pseudonym;
                twin.surname = first.surname;
                break;
            }
        }
    }

    // Captains and set-piece takers: the most talented players of the squad.
    for (auto& t : w.teams) {
        if (t.roster.empty())
            continue;
        std::vector<int> order;
        for (const auto& m : t.roster)
            order.push_back(m.player);
        std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
            return w.players[static_cast<std::size_t>(x)].talent >
                   w.players[static_cast<std::size_t>(y)].talent;
        });
        const auto id = [&](std::size_t k) {
            return w.players[static_cast<std::size_t>(order[std::min(k, order.size() - 1)])].id;
        };
        t.captain = id(0);
        t.penalty_taker = id(1);
        t.free_kick_taker = id(2);
        t.corner_taker = id(3);
    }

    // One club whose stored captain plays for another club.
    std::vector<int> with_players;
    for (int c : squads)
        if (!w.teams[static_cast<std::size_t>(c)].roster.empty())
            with_players.push_back(c);
    if (with_players.size() >= 2) {
        const auto k = rng.index(with_players.size());
        team_info& t = w.teams[static_cast<std::size_t>(with_players[k])];
        const auto& other =
            w.teams[static_cast<std::size_t>(with_players[(k + 1) % with_players.size()])];
        for (const auto& m : other.roster) {
            const bool in_own = std::any_of(t.roster.begin(), t.roster.end(),
                                            [&](const member& o) { return o.player == m.player; });
            if (!in_own) {
                t.captain = w.players[static_cast<std::size_t>(m.player)].id;
                break;
            }
        }
    }
}

void make_stadiums(world& w, random_source& rng) {
    const plan& p = w.p;
    std::vector<int> clubs, nationals;
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        (w.teams[i].national ? nationals : clubs).push_back(static_cast<int>(i));
    const int club_stadiums = std::clamp(p.stadiums - static_cast<int>(nationals.size()), 1,
                                         std::max(1, static_cast<int>(clubs.size())));
    // Names repeat only with a number: count (nation, city, kind) as they are used.
    std::vector<std::vector<int>> uses(w.nations.size());
    for (int s = 0; s < club_stadiums && s < static_cast<int>(clubs.size()); ++s) {
        const team_info& club =
            w.teams[static_cast<std::size_t>(clubs[static_cast<std::size_t>(s)])];
        stadium_info st;
        st.nation = club.nation;
        st.city = club.city;
        st.kind = rng.between(0, stadium_kinds - 1);
        auto& count = uses[static_cast<std::size_t>(club.nation)];
        const auto slot = static_cast<std::size_t>(st.city * stadium_kinds + st.kind);
        if (count.size() <= slot)
            count.resize(slot + 1, 0);
        st.generation = count[slot]++;
        w.stadiums.push_back(st);
    }
    const int built = static_cast<int>(w.stadiums.size());
    for (std::size_t c = 0; c < clubs.size(); ++c)
        w.teams[static_cast<std::size_t>(clubs[c])].stadium =
            static_cast<int>(c) % std::max(1, built);
    for (int n : nationals) {
        team_info& t = w.teams[static_cast<std::size_t>(n)];
        if (static_cast<int>(w.stadiums.size()) < p.stadiums) {
            stadium_info st;
            st.nation = t.nation;
            st.city = -1;
            st.kind = stadium_kinds;
            w.stadiums.push_back(st);
            t.stadium = static_cast<int>(w.stadiums.size()) - 1;
        } else {
            t.stadium = rng.between(0, static_cast<int>(w.stadiums.size()) - 1);
        }
    }
    for (std::size_t i = 0; i < w.stadiums.size(); ++i)
        w.stadiums[i].id = id_of(static_cast<int>(i));
}

// ---------------------------------------------------------------------------------------------
// Names of rows, in every language

std::string generation_suffix(int generation) {
    return generation > 0 ? " " + roman(generation + 1) : std::string();
}

texts league_long(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return all_languages(elite_league_title);
    if (l.kind == league_kind::national)
        return all_languages(national_league_title);
    texts out;
    for (int lang = 0; lang < languages; ++lang) {
        out[lang] = substitute(substitute(league_patterns[lang], "{n}",
                                          w.nations[static_cast<std::size_t>(l.nation)].name[lang]),
                               "{t}", tiers[l.level][lang]);
        if (l.group > 0)
            out[lang] += substitute(group_patterns[lang], "{g}", std::to_string(l.group + 1));
    }
    return out;
}

texts league_short(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return all_languages(elite_league_short);
    if (l.kind == league_kind::national)
        return all_languages(national_league_short);
    texts out;
    for (int lang = 0; lang < languages; ++lang) {
        out[lang] =
            w.nations[static_cast<std::size_t>(l.nation)].code + " " + short_tiers[l.level][lang];
        if (l.group > 0)
            out[lang] += " " + std::to_string(l.group + 1);
    }
    return out;
}

std::string league_label(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return "EUR_ELITE";
    if (l.kind == league_kind::national)
        return "INT_NATIONS";
    std::string label =
        w.nations[static_cast<std::size_t>(l.nation)].code + "_" + tier_tags[l.level];
    if (l.group > 0)
        label += "_G" + std::to_string(l.group + 1);
    return label;
}

const city& city_of(const world& w, const team_info& t) {
    return w.nations[static_cast<std::size_t>(t.nation)].cities[static_cast<std::size_t>(t.city)];
}

// Full, 5-character and 10-character names.
std::array<texts, 3> team_names(const world& w, const team_info& t) {
    std::array<texts, 3> out;
    const nation& n = w.nations[static_cast<std::size_t>(t.nation)];
    for (int l = 0; l < languages; ++l) {
        if (t.national) {
            out[0][l] = n.name[l];
            out[1][l] = n.code;
            out[2][l] = first_chars(n.name[l], 10);
        } else {
            const std::string& c = city_of(w, t).local[l];
            out[0][l] =
                substitute(club_patterns[t.kind][l], "{c}", c) + generation_suffix(t.generation);
            out[1][l] = initials(c, 3) + club_codes[t.kind][l];
            out[2][l] = first_chars(c, 10);
        }
    }
    return out;
}

texts stadium_names(const world& w, const stadium_info& s) {
    texts out;
    const nation& n = w.nations[static_cast<std::size_t>(s.nation)];
    for (int l = 0; l < languages; ++l) {
        const std::string& place =
            s.city < 0 ? n.name[l] : n.cities[static_cast<std::size_t>(s.city)].local[l];
        out[l] = substitute(stadium_patterns[s.kind][l], "{c}", place);
        if (s.generation > 0)
            out[l] += " " + std::to_string(s.generation + 1);
    }
    return out;
}

// Internal names are unique: a taken one gets the nation's code in front, then a number.
class label_set {
  public:
    std::string take(std::string label, const std::string& code) {
        if (taken_.insert(label).second)
            return label;
        label = code + "_" + label;
        if (taken_.insert(label).second)
            return label;
        for (int n = 2;; ++n) {
            std::string numbered = label + "_" + std::to_string(n);
            if (taken_.insert(numbered).second)
                return numbered;
        }
    }

  private:
    std::set<std::string> taken_;
};

// ---------------------------------------------------------------------------------------------
// Tables

struct column {
    const char* name;
    std::int32_t a;
    std::int32_t b;
};

// One table of the database being built; values are set by field name.
class table_writer {
  public:
    table_writer(database& db, std::string name, std::vector<std::string> keys,
                 std::vector<std::string> extras, std::vector<std::string> strings,
                 std::vector<column> packed, std::int32_t opaque, int spare_words = 0,
                 int words_per_row = 0)
        : db_(db), columns_(std::move(packed)) {
        table_spec spec;
        spec.name = std::move(name);
        spec.keys = std::move(keys);
        spec.extras = std::move(extras);
        spec.strings = std::move(strings);
        spec.opaque_word = opaque;
        for (const auto& c : columns_)
            spec.packed.push_back({c.name, c.a, c.b});
        table_ = db.table_count();
        std::uint64_t bits = 0;
        for (const auto& c : columns_) {
            const int width = field_width({c.name, 0, c.a, c.b}, table_);
            widths_.push_back(width);
            bits += static_cast<std::uint64_t>(width);
        }
        const int whole =
            static_cast<int>(spec.keys.size() + spec.extras.size() + spec.strings.size());
        spec.words_per_row = words_per_row > 0
                                 ? words_per_row
                                 : whole + static_cast<int>((bits + 31) / 32) + spare_words;
        add_table(db, spec);
    }

    db_overall_data& row() { return add_row(db_, table_); }
    void set(db_overall_data& r, std::string_view field, std::uint32_t value) {
        for (std::size_t j = 0; j < columns_.size(); ++j) {
            if (field == columns_[j].name) {
                assert(widths_[j] >= 32 || value < (std::uint32_t{1} << widths_[j]));
                r.values[j] = value;
                return;
            }
        }
        assert(false && "no such field");
    }
    void set(db_overall_data& r, std::string_view field, int value) {
        set(r, field, static_cast<std::uint32_t>(value));
    }
    int rows() const { return db_.overall[table_].row_count; }
    void block_word(std::int32_t v) { db_.overall[table_].block_word = v; }

  private:
    database& db_;
    int table_ = 0;
    std::vector<column> columns_;
    std::vector<int> widths_;
};

int birth_date(random_source& rng, int first_year, int last_year) {
    return rng.between(first_year, last_year) * 10000 + rng.between(1, 12) * 100 +
           rng.between(1, 28);
}

int skill(random_source& rng, int talent, int bonus = 0) {
    return std::clamp(35 + talent * 9 + bonus + rng.between(-12, 12), 0, 100);
}

int color(random_source& rng) {
    return rng.between(0, 0xFFFFFF);
}

// Date of day `day` counted from 14 August 2004, as yyyymmdd.
int match_date(int day) {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 2004, m = 8, d = 14 + day;
    while (true) {
        const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
        const int len = lengths[m - 1] + (m == 2 && leap ? 1 : 0);
        if (d <= len)
            break;
        d -= len;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return y * 10000 + m * 100 + d;
}

// A different number for every table, row and word of a row (a multiplicative hash).
std::uint32_t undecoded_word(int t, std::size_t row, std::size_t word) {
    const std::uint64_t seed =
        (std::uint64_t{static_cast<std::uint32_t>(t)} << 40) ^ (row << 8) ^ word;
    return static_cast<std::uint32_t>((seed * 0x9E3779B97F4A7C15ull) >> 32);
}

// The game's rows carry data the editor does not decode: the bits after a row's last field (the
// rest of its last packed word) and the words after them. Every row gets numbers of its own
// there, never zero, so that whatever moves or drops them shows. The packing writes only the
// bits the fields cover over these words.
void fill_undecoded(database& db) {
    for (int t = 0; t < db.table_count(); ++t) {
        const db_table& table = db.tables[static_cast<std::size_t>(t)];
        std::uint64_t bits = 0;
        for (std::size_t f = static_cast<std::size_t>(table.whole_word_count());
             f < table.fields.size(); ++f)
            bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
        const auto w = static_cast<std::size_t>(db.overall[t].words_per_row);
        const std::size_t first = static_cast<std::size_t>(table.whole_word_count()) +
                                  static_cast<std::size_t>(bits / 32);
        const auto tail = static_cast<unsigned>(bits % 32);
        const std::size_t rows = db.overall[t].rows.size();
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        words.assign(rows * w, 0);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t i = first; i < w; ++i) {
                std::uint32_t v = undecoded_word(t, r, i);
                if (i == first && tail != 0)
                    v &= ~std::uint32_t{0} >> tail; // the bits the fields leave free
                words[r * w + i] = stream_word(v == 0 ? 1 : v);
            }
        }
    }
}

struct name_lists {
    std::vector<texts> league_long, league_short, stadium;
    std::vector<std::array<texts, 3>> team;
};

void write_nations(database& db, const world& w, random_source& rng) {
    table_writer t(db, "nations", {"nationid"}, {}, {"nationname", "abbreviation"},
                   {{"continent", 0, 7},
                    {"worldranking", 1, 255},
                    {"nationalteamid", 0, 99999},
                    {"confederationid", 0, 7},
                    {"flagid", 0, 255},
                    {"playerfrequency", -1, 100}},
                   1);
    for (std::size_t n = 0; n < w.nations.size(); ++n) {
        auto& r = t.row();
        r.keys[0] = nation_id(static_cast<int>(n));
        r.strings[0] = w.nations[n].name[0];
        r.strings[1] = w.nations[n].code;
        t.set(r, "continent", w.nations[n].continent);
        t.set(r, "worldranking", rng.between(1, 200));
        int national_team = 0;
        for (const auto& team : w.teams)
            if (team.national && team.nation == static_cast<int>(n))
                national_team = team.id;
        t.set(r, "nationalteamid", national_team);
        t.set(r, "confederationid", w.nations[n].continent + 1);
        t.set(r, "flagid", static_cast<int>(n) + 1);
        t.set(r, "playerfrequency", rng.between(0, 100));
    }
    t.block_word(nation_id(static_cast<int>(w.nations.size())));
}

void write_leagues(database& db, const world& w, const name_lists& names) {
    table_writer t(db, "leagues", {"leagueid"}, {}, {"leaguename", "leaguelabel"},
                   {{"nationid", 0, 255},
                    {"level", 0, 7},
                    {"numberofteams", 0, 127},
                    {"promotionplaces", 0, 7},
                    {"relegationplaces", 0, 7},
                    {"pointsforwin", 0, 3},
                    {"seasonstartmonth", 1, 12},
                    {"continentalplaces", 0, 7},
                    {"leaguetype", 0, 3}},
                   2, 1);
    for (std::size_t i = 0; i < w.leagues.size(); ++i) {
        const league_info& l = w.leagues[i];
        auto& r = t.row();
        r.keys[0] = l.id;
        r.strings[0] = names.league_long[i][0];
        r.strings[1] = league_label(w, l);
        const bool domestic = l.kind == league_kind::domestic;
        t.set(r, "nationid", domestic ? nation_id(l.nation) : 0);
        t.set(r, "level", l.level);
        t.set(r, "numberofteams", std::min<int>(static_cast<int>(l.teams.size()), 127));
        t.set(r, "promotionplaces", domestic && l.level > 0 ? 3 : 0);
        t.set(r, "relegationplaces", domestic && l.level < 4 ? 3 : 0);
        t.set(r, "pointsforwin", 3);
        t.set(r, "seasonstartmonth", domestic ? 8 : 9);
        t.set(r, "continentalplaces", domestic && l.level == 0 ? 4 : 0);
        t.set(r, "leaguetype", static_cast<int>(l.kind));
    }
    t.block_word(id_of(static_cast<int>(w.leagues.size())));
}

void write_league_teams(database& db, const world& w) {
    table_writer t(db, "leagueteams", {"leagueid", "teamid"}, {}, {},
                   {{"previousposition", 0, 31}, {"groupid", 0, 7}}, 1, 1); // one spare word a row
    for (const auto& l : w.leagues) {
        for (std::size_t k = 0; k < l.teams.size(); ++k) {
            auto& r = t.row();
            r.keys[0] = l.id;
            r.keys[1] = w.teams[static_cast<std::size_t>(l.teams[k])].id;
            t.set(r, "previousposition", static_cast<int>(std::min<std::size_t>(k + 1, 31)));
            t.set(r, "groupid", l.kind == league_kind::domestic ? 0 : static_cast<int>(k % 4));
        }
    }
}

void write_referees(database& db, const world& w, random_source& rng) {
    table_writer t(db, "referees", {"refereeid"}, {}, {"firstname", "surname"},
                   {{"nationid", 0, 255},
                    {"birthyear", 0, 2047},
                    {"strictness", 100000, 255},
                    {"consistency", 0, 100},
                    {"fitness", -1, 63}},
                   1);
    for (int i = 0; i < w.p.referees; ++i) {
        const int n = rng.between(0, static_cast<int>(w.nations.size()) - 1);
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(i);
        r.strings[0] = rng.pick(na.first_names);
        r.strings[1] = rng.pick(na.surnames);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "birthyear", rng.between(1955, 1975));
        t.set(r, "strictness", rng.between(0, 100));
        t.set(r, "consistency", rng.between(0, 100));
        t.set(r, "fitness", rng.between(40, 100));
    }
    t.block_word(id_of(w.p.referees));
}

void write_players(database& db, const world& w, random_source& rng) {
    table_writer t(db, "players", {"playerid"}, {"birthdate"},
                   {"firstname", "commonname", "surname"},
                   {{"nationality", 0, 255},
                    {"foot", 0, 2},
                    {"talent", 0, 7},
                    {"height", 0, 255},
                    {"weight", -1, 127},
                    {"starplayer", 0, 3},
                    {"skintone", 0, 7},
                    {"haircolorid", 0, 4},
                    {"hairstyle", 0, 31},
                    {"shoecolor", 0, 4},
                    {"facialhair", 0, 3},
                    {"stamina", 0, 100},
                    {"acceleration", 0, 100},
                    {"ballcontrol", 0, 100},
                    {"dribbling", 0, 100},
                    {"passing", 100000, 200},
                    {"crossing", 0, 100},
                    {"tackling", -1, 100},
                    {"heading", 0, 100},
                    {"shotaccuracy", 0, 100},
                    {"shotpower", 0, 100},
                    {"goalkeeping", 0, 100},
                    {"preferredposition1", 0, 33},
                    {"preferredposition2", 0, 33},
                    {"injuryproneness", 0, 10},
                    {"contractuntil", 0, 2047},
                    {"marketvalue", 0, 0xFFFFF},
                    {"morale", 100000, 127}},
                   1, 1); // one spare word a row
    for (const auto& pl : w.players) {
        auto& r = t.row();
        r.keys[0] = pl.id;
        r.extras[0] = birth_date(rng, 1966, 1987);
        r.strings[0] = pl.first;
        r.strings[1] = pl.pseudonym;
        r.strings[2] = pl.surname;
        const bool keeper = pl.position == 0;
        const bool defender = pl.position >= 1 && pl.position <= 7;
        const bool forward = pl.position >= 26 && pl.position <= 31;
        int height = keeper ? rng.between(183, 205) : rng.between(165, 198);
        if (rng.chance(2))
            height = rng.between(150, 164);
        t.set(r, "nationality", nation_id(pl.nation));
        t.set(r, "foot", rng.chance(70) ? 0 : rng.between(1, 2));
        t.set(r, "talent", pl.talent);
        t.set(r, "height", height);
        t.set(r, "weight", std::clamp(height - 105 + rng.between(-8, 10), 55, 100));
        t.set(r, "starplayer", pl.star);
        t.set(r, "skintone", rng.between(0, 5));
        t.set(r, "haircolorid", rng.between(0, 4));
        t.set(r, "hairstyle", rng.between(0, 31));
        t.set(r, "shoecolor", rng.between(0, 4));
        t.set(r, "facialhair", rng.between(0, 3));
        t.set(r, "stamina", skill(rng, pl.talent));
        t.set(r, "acceleration", skill(rng, pl.talent));
        t.set(r, "ballcontrol", skill(rng, pl.talent, keeper ? -20 : 0));
        t.set(r, "dribbling", skill(rng, pl.talent, forward ? 8 : 0));
        t.set(r, "passing", skill(rng, pl.talent));
        t.set(r, "crossing", skill(rng, pl.talent));
        t.set(r, "tackling", skill(rng, pl.talent, defender ? 10 : forward ? -15 : 0));
        t.set(r, "heading", skill(rng, pl.talent));
        t.set(r, "shotaccuracy", skill(rng, pl.talent, forward ? 10 : keeper ? -25 : 0));
        t.set(r, "shotpower", skill(rng, pl.talent));
        t.set(r, "goalkeeping", keeper ? skill(rng, pl.talent, 10) : rng.between(5, 25));
        t.set(r, "preferredposition1", pl.position);
        t.set(r, "preferredposition2", keeper ? 0 : squad_positions[rng.between(1, 10)]);
        t.set(r, "injuryproneness", rng.between(0, 10));
        t.set(r, "contractuntil", rng.between(2004, 2009));
        t.set(r, "marketvalue",
              (pl.talent * pl.talent * 150 + rng.between(0, 500)) * (pl.star == 1 ? 4 : 1));
        t.set(r, "morale", rng.between(0, 50));
    }
    t.block_word(id_of(static_cast<int>(w.players.size())));
}

int kit_count(const world& w) {
    return std::min(2 * static_cast<int>(w.teams.size()), max_rows);
}

void write_kits(database& db, const world& w, random_source& rng) {
    table_writer t(db, "kits", {"kitid", "teamid"}, {}, {},
                   {{"kittype", 0, 2},
                    {"shirtcolor", 0, 0xFFFFFF},
                    {"shirtcolor2", 0, 0xFFFFFF},
                    {"shortscolor", 0, 0xFFFFFF},
                    {"sockscolor", 0, 0xFFFFFF},
                    {"shirtstyle", 0, 15},
                    {"collarstyle", 0, 7},
                    {"numbercolor", 0, 0xFFFFFF},
                    {"numberfont", 0, 7},
                    {"sponsorlogo", 0, 1023},
                    {"longsleeves", 0, 1}},
                   1);
    const int count = kit_count(w);
    for (int k = 0; k < count; ++k) {
        auto& r = t.row();
        r.keys[0] = id_of(k);
        r.keys[1] = w.teams[static_cast<std::size_t>(k / 2)].id;
        t.set(r, "kittype", k % 2);
        t.set(r, "shirtcolor", color(rng));
        t.set(r, "shirtcolor2", color(rng));
        t.set(r, "shortscolor", color(rng));
        t.set(r, "sockscolor", color(rng));
        t.set(r, "shirtstyle", rng.between(0, 15));
        t.set(r, "collarstyle", rng.between(0, 7));
        t.set(r, "numbercolor", rng.chance(50) ? 0xFFFFFF : 0);
        t.set(r, "numberfont", rng.between(0, 7));
        t.set(r, "sponsorlogo", rng.between(0, 1023));
        t.set(r, "longsleeves", rng.between(0, 1));
    }
    t.block_word(id_of(count));
}

void write_cups(database& db, const world& w, random_source& rng) {
    std::vector<column> columns = {
        {"nationid", 0, 255}, {"cuptype", 0, 3}, {"rounds", 0, 7}, {"participants", 0, 127}};
    static const std::vector<std::string> slot_names = [] {
        std::vector<std::string> names;
        for (int s = 1; s <= cup_slots; ++s)
            names.push_back(std::string(s < 10 ? "team0" : "team") + std::to_string(s));
        return names;
    }();
    for (const auto& s : slot_names)
        columns.push_back({s.c_str(), 0, 99999});
    columns.push_back({"trophyid", 0, 255});
    table_writer t(db, "cups", {"cupid"}, {"prizemoney"}, {"cupname", "cuplabel"}, columns, 3, 0,
                   cup_words_per_row);

    // The clubs of each nation, in team order.
    std::vector<std::vector<int>> clubs(w.nations.size());
    for (const auto& team : w.teams)
        if (!team.national)
            clubs[static_cast<std::size_t>(team.nation)].push_back(team.id);
    const int nation_count = static_cast<int>(w.nations.size());
    for (int c = 0; c < w.p.cups; ++c) {
        const int n = c % nation_count;
        const int edition = c / nation_count;
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(c);
        r.extras[0] = rng.between(100, 5000) * 1000;
        r.strings[0] = na.name[0] + " Cup" + (edition > 0 ? " " + std::to_string(edition + 1) : "");
        r.strings[1] = na.code + "_CUP" + (edition > 0 ? "_" + std::to_string(edition + 1) : "");
        const auto& pool = clubs[static_cast<std::size_t>(n)];
        const int entrants = std::min<int>(static_cast<int>(pool.size()), cup_slots);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "cuptype", edition % 3);
        t.set(r, "rounds",
              entrants > 1 ? std::min(7, bit_length(static_cast<std::uint32_t>(entrants - 1))) : 0);
        t.set(r, "participants", entrants);
        for (int s = 0; s < entrants; ++s)
            t.set(r, slot_names[static_cast<std::size_t>(s)],
                  pool[(static_cast<std::size_t>(s) + static_cast<std::size_t>(edition)) %
                       pool.size()]);
        t.set(r, "trophyid", rng.between(1, 255));
    }
    t.block_word(id_of(w.p.cups));
}

void write_stadiums(database& db, const world& w, random_source& rng) {
    table_writer t(db, "stadiums", {"stadiumid"}, {}, {"stadiumlabel"},
                   {{"nationid", 0, 255},
                    {"capacity", 0, 131071},
                    {"yearbuilt", 0, 2047},
                    {"pitchsize", 0, 7},
                    {"roofed", 0, 1},
                    {"pitchquality", 100000, 31},
                    {"attendancefactor", 0, 100}},
                   1);
    label_set labels;
    for (const auto& s : w.stadiums) {
        const nation& n = w.nations[static_cast<std::size_t>(s.nation)];
        auto& r = t.row();
        r.keys[0] = s.id;
        const std::string place =
            s.city < 0 ? n.name[0] : n.cities[static_cast<std::size_t>(s.city)].native;
        r.strings[0] = labels.take(label_text(place) + "_" + stadium_tags[s.kind], n.code);
        const bool national = s.city < 0;
        t.set(r, "nationid", nation_id(s.nation));
        t.set(r, "capacity", national ? rng.between(40000, 99000) : rng.between(3000, 80000));
        t.set(r, "yearbuilt", rng.between(1890, 2003));
        t.set(r, "pitchsize", rng.between(0, 7));
        t.set(r, "roofed", rng.chance(15) ? 1 : 0);
        t.set(r, "pitchquality", rng.between(0, 10));
        t.set(r, "attendancefactor", rng.between(20, 100));
    }
    t.block_word(id_of(static_cast<int>(w.stadiums.size())));
}

void write_tactics(database& db, const world& w, random_source& rng) {
    // Fields with descriptor_b 64 and 4 are one bit narrower in this table.
    table_writer t(db, "tactics", {"tacticid"}, {}, {"tacticname"},
                   {{"defensiveline", 0, 64},
                    {"teamwidth", 0, 4},
                    {"pressing", -1, 64},
                    {"tempo", 100000, 64},
                    {"passingstyle", -1, 4},
                    {"formationid", 0, 48},
                    {"offsidetrap", 0, 1},
                    {"marking", 0, 3},
                    {"creativity", 0, 65}},
                   1);
    constexpr int shapes = static_cast<int>(std::size(tactic_shapes));
    constexpr int styles = static_cast<int>(std::size(tactic_styles));
    for (int k = 0; k < w.p.tactics; ++k) {
        auto& r = t.row();
        r.keys[0] = id_of(k);
        r.strings[0] =
            std::string(tactic_shapes[k % shapes]) + " " + tactic_styles[k / shapes % styles];
        if (k >= shapes * styles)
            r.strings[0] += " (" + std::to_string(k / (shapes * styles) + 1) + ")";
        t.set(r, "defensiveline", rng.between(0, 63));
        t.set(r, "teamwidth", rng.between(0, 3));
        t.set(r, "pressing", rng.between(0, 100));
        t.set(r, "tempo", rng.between(0, 31));
        t.set(r, "passingstyle", rng.between(0, 4));
        t.set(r, "formationid", rng.between(1, 48));
        t.set(r, "offsidetrap", rng.between(0, 1));
        t.set(r, "marking", rng.between(0, 3));
        t.set(r, "creativity", rng.between(0, 100));
    }
    t.block_word(id_of(w.p.tactics));
}

void write_team_settings(database& db, const world& w, random_source& rng) {
    table_writer t(db, "teamsettings", {"teamid"}, {}, {},
                   {{"captain", 0, 99999},
                    {"freekicktakerid", 0, 99999},
                    {"cornertakerid", 0, 99999},
                    {"penaltytakerid", 0, 99999},
                    {"mentality", 0, 4},
                    {"trainingintensity", 0, 10},
                    {"youthfocus", 0, 1},
                    {"tacticid", 0, 99999}},
                   1);
    for (const auto& team : w.teams) { // in the row order of the teams table
        auto& r = t.row();
        r.keys[0] = team.id;
        t.set(r, "captain", team.captain);
        t.set(r, "freekicktakerid", team.free_kick_taker);
        t.set(r, "cornertakerid", team.corner_taker);
        t.set(r, "penaltytakerid", team.penalty_taker);
        t.set(r, "mentality", rng.between(0, 4));
        t.set(r, "trainingintensity", rng.between(0, 10));
        t.set(r, "youthfocus", rng.between(0, 1));
        t.set(r, "tacticid", id_of(rng.between(0, w.p.tactics - 1)));
    }
}

void write_fixtures(database& db, const world& w, random_source& rng) {
    table_writer t(db, "fixtures", {"fixtureid"}, {"matchdate"}, {},
                   {{"competitionid", 0, 99999},
                    {"competitiontype", 0, 3},
                    {"round", 0, 63},
                    {"hometeamid", 0, 99999},
                    {"awayteamid", 0, 99999},
                    {"stadiumid", 0, 99999},
                    {"refereeid", 0, 99999},
                    {"kickofftime", 0, 2359},
                    {"played", 0, 1},
                    {"homegoals", 0, 15},
                    {"awaygoals", 0, 15},
                    {"attendance", 0, 131071}},
                   1);
    int count = 0;
    const auto add = [&](int competition, int type, int round, const team_info& home,
                         const team_info& away) {
        auto& r = t.row();
        r.keys[0] = id_of(count++);
        r.extras[0] = match_date(round * 7);
        const bool played = round < 2;
        t.set(r, "competitionid", competition);
        t.set(r, "competitiontype", type);
        t.set(r, "round", round);
        t.set(r, "hometeamid", home.id);
        t.set(r, "awayteamid", away.id);
        t.set(r, "stadiumid", w.stadiums[static_cast<std::size_t>(home.stadium)].id);
        t.set(r, "refereeid", id_of(rng.between(0, w.p.referees - 1)));
        t.set(r, "kickofftime", rng.chance(70) ? 1500 : rng.between(12, 21) * 100 + 30);
        t.set(r, "played", played ? 1 : 0);
        t.set(r, "homegoals", played ? rng.between(0, 5) : 0);
        t.set(r, "awaygoals", played ? rng.between(0, 4) : 0);
        t.set(r, "attendance", played ? rng.between(1000, 99000) : 0);
    };
    // Each league plays home and away; the rounds pair every team with every other.
    for (const auto& l : w.leagues) {
        const int n = static_cast<int>(l.teams.size());
        for (int a = 0; a < n && count < max_rows; ++a)
            for (int b = 0; b < n && count < max_rows; ++b)
                if (a != b)
                    add(l.id, l.kind == league_kind::domestic ? 0 : 1,
                        std::min(63, (b - a + n) % n + (a > b ? n - 1 : 0)),
                        w.teams[static_cast<std::size_t>(l.teams[static_cast<std::size_t>(a)])],
                        w.teams[static_cast<std::size_t>(l.teams[static_cast<std::size_t>(b)])]);
    }
    const int teams = static_cast<int>(w.teams.size());
    while (count < w.p.fixtures && teams >= 2) {
        const int a = rng.between(0, teams - 1);
        const int b = (a + rng.between(1, teams - 1)) % teams;
        add(0, 2, 0, w.teams[static_cast<std::size_t>(a)], w.teams[static_cast<std::size_t>(b)]);
    }
    t.block_word(id_of(count));
}

void write_team_players(database& db, const world& w, random_source& rng) {
    table_writer t(db, "teamplayers", {"teamid", "playerid"}, {}, {},
                   {{"jerseynumber", 0, 99},
                    {"position", 0, 33},
                    {"isloaned", 0, 1},
                    {"contractyears", 100000, 15},
                    {"squadrole", 0, 3}},
                   1, 1); // one spare word a row
    for (const auto& team : w.teams) {
        // Jersey numbers: 1 for the first keeper, the others distinct from 2 to 99.
        std::vector<int> numbers;
        for (int n = 2; n <= 99; ++n)
            numbers.push_back(n);
        rng.shuffle(numbers);
        std::sort(numbers.begin(), numbers.begin() + 30);
        for (std::size_t k = 0; k < team.roster.size(); ++k) {
            const member& m = team.roster[k];
            const player_info& pl = w.players[static_cast<std::size_t>(m.player)];
            auto& r = t.row();
            r.keys[0] = team.id;
            r.keys[1] = pl.id;
            const int number = k == 0 ? 1 : numbers[(k - 1) % numbers.size()];
            const int position = k < 11   ? (team.national ? pl.position : squad_positions[k])
                                 : k < 18 ? position_substitute
                                          : position_reserve;
            t.set(r, "jerseynumber", number);
            t.set(r, "position", position);
            t.set(r, "isloaned", m.loaned ? 1 : 0);
            t.set(r, "contractyears", team.national ? 0 : rng.between(1, 5));
            t.set(r, "squadrole", k < 11 ? 0 : k < 18 ? 1 : 2);
        }
    }
}

void write_managers(database& db, const world& w, random_source& rng) {
    table_writer t(db, "managers", {"managerid"}, {}, {"firstname", "surname"},
                   {{"nationid", 0, 255},
                    {"teamid", 0, 99999},
                    {"birthyear", 0, 2047},
                    {"reputation", -1, 100},
                    {"preferredformation", 0, 48},
                    {"attackstyle", 0, 2},
                    {"salary", 0, 0x3FFFFF}},
                   1);
    for (std::size_t i = 0; i < w.teams.size(); ++i) {
        const team_info& team = w.teams[i];
        const int n =
            rng.chance(80) ? team.nation : rng.between(0, static_cast<int>(w.nations.size()) - 1);
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(static_cast<int>(i));
        r.strings[0] = rng.pick(na.first_names);
        r.strings[1] = rng.pick(na.surnames);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "teamid", team.id);
        t.set(r, "birthyear", rng.between(1940, 1970));
        t.set(r, "reputation", rng.between(0, 100));
        t.set(r, "preferredformation", rng.between(0, 48));
        t.set(r, "attackstyle", rng.between(0, 2));
        t.set(r, "salary", rng.between(20, 4000) * 1000);
    }
    t.block_word(id_of(static_cast<int>(w.teams.size())));
}

void write_teams(database& db, const world& w, const name_lists& names, random_source& rng) {
    table_writer t(db, "teams", {"teamid"}, {}, {"teamname", "teamlabel"},
                   {{"nationid", 0, 255},
                    {"attackstyle", 0, 2},
                    {"defensivestyle", 0, 3},
                    {"transferbudget", -1, 0xFFFFFF},
                    {"foundationyear", 0, 2047},
                    {"formation", 0, 48},
                    {"rivalteamid", 0, 99999},
                    {"homekitid", 0, 99999},
                    {"awaykitid", 0, 99999},
                    {"fanbase", 100000, 0x1FFFFF},
                    {"youthacademy", 0, 10},
                    {"trainingfacilities", 0, 10},
                    {"stadiumid", 0, 99999},
                    {"managerid", 0, 99999},
                    {"teamtype", 0, 1},
                    {"primarycolor", 0, 0xFFFFFF},
                    {"secondarycolor", 0, 0xFFFFFF},
                    {"prestige", 0, 15},
                    {"boardconfidence", 0, 100},
                    {"mainleagueid", 0, 99999}},
                   2, 1);
    // The club whose prestige is stored above the scale of 0 to 10.
    std::vector<int> clubs;
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        if (!w.teams[i].national)
            clubs.push_back(static_cast<int>(i));
    const int proud = clubs.empty() ? -1 : rng.pick(clubs);

    label_set labels;
    const int kits = kit_count(w);
    for (std::size_t i = 0; i < w.teams.size(); ++i) {
        const team_info& team = w.teams[i];
        const nation& na = w.nations[static_cast<std::size_t>(team.nation)];
        auto& r = t.row();
        r.keys[0] = team.id;
        r.strings[0] = names.team[i][0][0];
        std::string label = team.national
                                ? "NT_" + label_text(na.name[0])
                                : label_text(city_of(w, team).native) + "_" + club_tags[team.kind];
        if (team.generation > 0)
            label += "_" + roman(team.generation + 1);
        r.strings[1] = labels.take(label, na.code);

        int rival = 0;
        if (team.league >= 0) {
            const auto& mates = w.leagues[static_cast<std::size_t>(team.league)].teams;
            if (mates.size() >= 2) {
                const auto at = std::find(mates.begin(), mates.end(), static_cast<int>(i));
                const auto next = (static_cast<std::size_t>(at - mates.begin()) + 1) % mates.size();
                rival = w.teams[static_cast<std::size_t>(mates[next])].id;
            }
        }
        const int level =
            team.league >= 0 ? w.leagues[static_cast<std::size_t>(team.league)].level : 4;
        int prestige = team.national ? rng.between(4, 10)
                                     : std::clamp(8 - 2 * level + rng.between(-2, 2), 0, 10);
        if (static_cast<int>(i) == proud)
            prestige = 12;
        const int home_kit = 2 * static_cast<int>(i);
        t.set(r, "nationid", nation_id(team.nation));
        t.set(r, "attackstyle", rng.between(0, 2));
        t.set(r, "defensivestyle", rng.between(0, 3));
        t.set(r, "transferbudget", team.national ? 0 : rng.between(50, 90000));
        t.set(r, "foundationyear",
              team.national ? rng.between(1863, 1930) : rng.between(1857, 1995));
        t.set(r, "formation", rng.chance(5) ? 0 : rng.between(1, 48));
        t.set(r, "rivalteamid", rival);
        t.set(r, "homekitid", home_kit < kits ? id_of(home_kit) : 0);
        t.set(r, "awaykitid", home_kit + 1 < kits ? id_of(home_kit + 1) : 0);
        t.set(r, "fanbase", rng.between(500, 1000000));
        t.set(r, "youthacademy", rng.between(0, 10));
        t.set(r, "trainingfacilities", rng.between(0, 10));
        t.set(r, "stadiumid", w.stadiums[static_cast<std::size_t>(team.stadium)].id);
        t.set(r, "managerid", id_of(static_cast<int>(i)));
        t.set(r, "teamtype", team.national ? 1 : 0);
        t.set(r, "primarycolor", color(rng));
        t.set(r, "secondarycolor", color(rng));
        t.set(r, "prestige", prestige);
        t.set(r, "boardconfidence", rng.between(0, 100));
        t.set(r, "mainleagueid",
              team.league >= 0 ? w.leagues[static_cast<std::size_t>(team.league)].id : 0);
    }
    t.block_word(id_of(static_cast<int>(w.teams.size())));
}

void write_settings(database& db) {
    // "value" and "maximum" are full words; "unused" and "reserved" take no bits.
    table_writer t(db, "settings", {"settingid"}, {}, {"settingname"},
                   {{"value", 0, -1},
                    {"minimum", -1, 0x7FFFFFFF},
                    {"maximum", 0, -1},
                    {"unused", 100000, 0},
                    {"reserved", 0, 0},
                    {"flags", 0, 255}},
                   1);
    struct setting {
        const char* name;
        std::uint32_t value, minimum, maximum, flags;
    };
    static constexpr setting settings[] = {
        {"startyear", 2004, 1990, 2100, 1}, {"startmonth", 7, 1, 12, 1},
        {"seasonweeks", 38, 20, 52, 1},     {"maxsquadsize", 30, 16, 50, 3},
        {"foreignerlimit", 5, 0, 11, 3},    {"substitutions", 3, 0, 7, 3},
        {"matchminutes", 90, 10, 90, 5},    {"transferwindowweeks", 8, 0, 52, 1},
        {"difficulty", 2, 0, 4, 7},         {"currency", 1, 0, 3, 0},
        {"autosave", 1, 0, 1, 0},           {"randomseed", 0xFFFFFFFFu, 0, 0xFFFFFFFFu, 128},
    };
    int k = 0;
    for (const auto& s : settings) {
        auto& r = t.row();
        r.keys[0] = id_of(k++);
        r.strings[0] = s.name;
        t.set(r, "value", s.value);
        t.set(r, "minimum", s.minimum);
        t.set(r, "maximum", s.maximum);
        t.set(r, "flags", s.flags);
    }
    t.block_word(id_of(k));
}

// ---------------------------------------------------------------------------------------------
// Language files

void header_word(string_table& table, std::size_t offset, std::uint32_t value) {
    store_u32(table.header.data() + offset, value);
}

void prepare_language(string_table& table, int lang) {
    const auto l = static_cast<std::uint32_t>(lang);
    // The words at 16, 40 and 44 are offsets that the writer fills in.
    const std::uint32_t words[12] = {2, 48, l + 1, 2004, 0, 3, 12, 36, 1, 0x10000 + l, 0, 0};
    for (std::size_t i = 0; i < 12; ++i)
        header_word(table, 4 * i, words[i]);
    table.word_after_count = static_cast<std::int32_t>(0x100 + l);
    const std::uint32_t block[9] = {1, 4, l + 1, 2004, 0x00FF00FF, 12, 12, 12, 0xFFFFFFFFu};
    for (std::size_t i = 0; i < 9; ++i)
        store_u32(table.block.data() + 4 * i, block[i]);
    table.names = standard_name_config();
}

std::string numbered(const char* pattern, int n) {
    return substitute(pattern, "{n}", std::to_string(n));
}

void make_languages(sample_install& out, const world& w, const name_lists& names) {
    const auto config = standard_name_config();
    const name_config& leagues = config[table_index::leagues];
    const name_config& stadiums = config[table_index::stadiums];
    const name_config& teams = config[table_index::teams];

    const int name_entries = 2 * static_cast<int>(w.leagues.size()) +
                             static_cast<int>(w.stadiums.size()) +
                             3 * static_cast<int>(w.teams.size());
    const int unrelated = std::max(5, w.p.language_entries - name_entries);
    const int press = static_cast<int>(w.teams.size()) / 40;
    const int menu = std::clamp(unrelated / 6, 1, 999);
    const int commentary = std::max(1, unrelated / 4);
    const int tips = std::max(1, unrelated / 6);
    const int messages = std::max(1, unrelated - press - menu - commentary - tips);

    constexpr int menus = static_cast<int>(std::size(menu_phrases));
    constexpr int comments = static_cast<int>(std::size(commentary_phrases));
    constexpr int tip_count = static_cast<int>(std::size(tip_phrases));
    constexpr int message_count = static_cast<int>(std::size(message_phrases));

    for (int lang = 0; lang < languages; ++lang) {
        std::vector<Tstring_table> e;
        e.reserve(static_cast<std::size_t>(name_entries + unrelated));
        const auto add = [&](std::int32_t key, std::string text) {
            e.push_back({key, 0, std::move(text)});
        };
        // Menu texts; one of them is empty.
        for (int i = 0; i < menu; ++i) {
            std::string text = menu_phrases[i % menus][lang];
            if (i >= menus)
                text += " " + std::to_string(i / menus + 1);
            add(i + 1, i == menus + 3 ? std::string() : std::move(text));
        }
        for (std::size_t i = 0; i < w.leagues.size(); ++i) {
            add(leagues.key_of(w.leagues[i].id, 0), names.league_long[i][lang]);
            add(leagues.key_of(w.leagues[i].id, 1), names.league_short[i][lang]);
        }
        for (int i = 0; i < commentary; ++i)
            add(15000000 + i, std::to_string(1 + i % 90) + "' " +
                                  commentary_phrases[(i + i / 90) % comments][lang]);
        for (std::size_t i = 0; i < w.stadiums.size(); ++i)
            add(stadiums.key_of(w.stadiums[i].id, 0), names.stadium[i][lang]);
        for (int i = 0; i < tips; ++i)
            add(25000000 + i, numbered(tip_phrases[i % tip_count][lang], i + 1));
        int pressed = 0;
        for (std::size_t i = 0; i < w.teams.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                add(teams.key_of(w.teams[i].id, k),
                    names.team[i][static_cast<std::size_t>(k)][lang]);
            if (i % 40 == 39 && pressed < press) {
                add(36000000 + pressed, numbered(press_phrase[lang], pressed + 1));
                ++pressed;
            }
        }
        for (int i = 0; i < messages; ++i)
            add(50000000 + i, numbered(message_phrases[i % message_count][lang], i + 1));

        string_table& table = out.languages[static_cast<std::size_t>(lang)];
        prepare_language(table, lang);
        table.assign(std::move(e));
    }
}

} // namespace

sample_install make_sample(const sample_options& options) {
    random_source rng(options.seed);
    world w;
    w.p = plan_for(options.scale);
    w.nations = make_nations();
    make_leagues(w);
    make_teams(w, rng);
    make_players(w, rng);
    make_stadiums(w, rng);

    name_lists names;
    for (const auto& l : w.leagues) {
        names.league_long.push_back(league_long(w, l));
        names.league_short.push_back(league_short(w, l));
    }
    for (const auto& s : w.stadiums)
        names.stadium.push_back(stadium_names(w, s));
    for (const auto& t : w.teams)
        names.team.push_back(team_names(w, t));

    sample_install out;
    database& db = out.db;
    db.header_word0 = 2;
    db.header_word1 = 0x07D40001;
    write_nations(db, w, rng);
    write_leagues(db, w, names);
    write_league_teams(db, w);
    write_referees(db, w, rng);
    write_players(db, w, rng);
    write_kits(db, w, rng);
    write_cups(db, w, rng);
    write_stadiums(db, w, rng);
    write_tactics(db, w, rng);
    write_team_settings(db, w, rng);
    write_fixtures(db, w, rng);
    write_team_players(db, w, rng);
    write_managers(db, w, rng);
    write_teams(db, w, names, rng);
    write_settings(db);

    make_languages(out, w, names);
    attach_names(out.languages[0], db);

    fill_undecoded(db);

    // Lay the model out and pack it as the file will hold it.
    layout_offsets(db);
    for (int t = 0; t < db.table_count(); ++t) {
        encode_table(db, t);
        raw_block& b = db.blocks[static_cast<std::size_t>(t)];
        b.byte_size = 8 + 4 * static_cast<std::int64_t>(b.row_count) * b.words_per_row;
    }
    return out;
}

result write_sample_install(const std::filesystem::path& dir, const sample_options& options) {
    const auto fe = install_language_path(dir, language_codes[0]).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(fe, ec);
    if (ec)
        return result::failure(result::code::write_failed, {},
                               "Could not create " + fe.string() + ": " + ec.message());
    sample_install install = make_sample(options);
    if (auto r = save_database(install_database_path(dir), install.db); !r)
        return r;
    for (std::size_t l = 0; l < language_codes.size(); ++l)
        if (auto r = save_language_file(install_language_path(dir, language_codes[l]),
                                        install.languages[l]);
            !r)
            return r;
    return result::success();
}

} // namespace qira
