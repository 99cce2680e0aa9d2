#include "data/sample_database.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace qr::data {
namespace {

constexpr int kRowsPerInsert = 500;

constexpr std::array<std::string_view, 12> kGroup1 = {
    "ABARROTES", "BEBIDAS",   "LACTEOS",   "LIMPIEZA",   "CUIDADO PERSONAL", "DULCERÍA",
    "BOTANAS",   "ENLATADOS", "PAPELERÍA", "FERRETERÍA", "MASCOTAS",         "SALCHICHONERÍA"};
constexpr std::array<std::string_view, 8> kGroup2 = {
    "LÍNEA BÁSICA", "LÍNEA ECONÓMICA", "LÍNEA PREMIUM", "IMPORTADOS",
    "TEMPORADA",    "INSTITUCIONAL",   "GRANEL",        "MARCA PROPIA"};
constexpr std::array<std::string_view, 6> kGroup3 = {"PROVEEDOR NORTE",  "PROVEEDOR SUR",
                                                     "PROVEEDOR CENTRO", "DISTRIBUIDORA LOCAL",
                                                     "FABRICANTE",       "CONSIGNACIÓN"};
constexpr std::array<std::string_view, 10> kDepartments = {
    "ALIMENTOS", "BEBIDAS Y LICORES", "HOGAR",   "HIGIENE", "FARMACIA", "AUTOSERVICIO",
    "BODEGA",    "MAYOREO",           "OFERTAS", "VARIOS"};

constexpr std::array<std::string_view, 40> kProducts = {
    "ACEITE VEGETAL",      "ARROZ BLANCO",        "AZÚCAR ESTÁNDAR",
    "FRIJOL NEGRO",        "HARINA DE TRIGO",     "LECHE ENTERA",
    "YOGUR NATURAL",       "QUESO FRESCO",        "MANTEQUILLA",
    "CAFÉ SOLUBLE",        "TÉ DE MANZANILLA",    "AGUA PURIFICADA",
    "REFRESCO DE COLA",    "JUGO DE NARANJA",     "CERVEZA CLARA",
    "DETERGENTE EN POLVO", "JABÓN DE TOCADOR",    "CLORO",
    "SUAVIZANTE",          "LIMPIADOR MULTIUSOS", "PAPEL HIGIÉNICO",
    "SERVILLETAS",         "PAÑALES ETAPA 3",     "SHAMPOO",
    "PASTA DENTAL",        "GALLETAS MARÍAS",     "CHOCOLATE EN BARRA",
    "CARAMELO SURTIDO",    "PAPAS FRITAS",        "CACAHUATE JAPONÉS",
    "ATÚN EN AGUA",        "SARDINA EN TOMATE",   "CHILES JALAPEÑOS",
    "ELOTE DORADO",        "PURÉ DE TOMATE",      "CUADERNO PROFESIONAL",
    "LÁPIZ DEL 2",         "CINTA ADHESIVA",      "CROQUETAS PARA PERRO",
    "JAMÓN DE PAVO"};
constexpr std::array<std::string_view, 12> kSizes = {"250 G",  "500 G",   "1 KG",  "2 KG",
                                                     "355 ML", "600 ML",  "1 LT",  "2 LT",
                                                     "4 PZAS", "12 PZAS", "CHICO", "GRANDE"};
constexpr std::array<std::string_view, 8> kBrands = {"LA ESPIGA",   "DON PANCHO", "SOL DE ORO",
                                                     "EL PORVENIR", "SANTA FE",   "NORTEÑA",
                                                     "LA PALMA",    "DOÑA LUZ"};

// Units from the first packaging list, in the mixed case a shop types them.
constexpr std::array<std::string_view, 14> kFirstListUnits = {
    "CAJA", "caja", "Caja", "BAL",  "BOL",  "BTO",    "BULT",
    "CJA",  "COLC", "CUB",  "PACA", "ROLL", "CHURIA", "bol"};
constexpr std::array<std::string_view, 7> kSecondListUnits = {"EXH",  "PAQ",  "paq", "CONO",
                                                              "CHAR", "VITR", "Paq"};
constexpr std::array<std::string_view, 5> kOtherUnits = {"PZA", "KG", "LT", "PIEZA", "CAJAS"};
constexpr std::array<int, 6> kFirstListMultipliers = {6, 10, 12, 20, 24, 48};
constexpr std::array<int, 4> kSecondListMultipliers = {3, 5, 6, 10};

// A small, fully specified generator, so the same seed gives the same data everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
  template <typename T, size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Below(static_cast<int>(N))];
  }

 private:
  std::uint64_t state_;
};

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') quoted += '\'';
    quoted += c;
  }
  return quoted + "'";
}

std::string Money(int cents) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d.%02d", cents / 100, cents % 100);
  return buffer;
}

// Collects VALUES tuples and sends them as multi-row INSERT statements.
class BatchInserter {
 public:
  BatchInserter(SqlConnection& connection, std::string head)
      : connection_(connection), head_(std::move(head)) {}
  ~BatchInserter() = default;
  void Add(const std::string& tuple) {
    statement_ += rows_ == 0 ? head_ + " VALUES " : ",";
    statement_ += tuple;
    if (++rows_ == kRowsPerInsert) Flush();
  }
  void Flush() {
    if (rows_ == 0) return;
    connection_.ExecuteStatement(statement_);
    statement_.clear();
    rows_ = 0;
  }

 private:
  SqlConnection& connection_;
  std::string head_;
  std::string statement_;
  int rows_ = 0;
};

void CreateSchema(SqlConnection& connection) {
  for (const char* table : {"CodAlt", "Mnlus", "Grupo1", "Grupo2", "Grupo3", "Deptos"})
    connection.ExecuteStatement(std::string("DROP TABLE IF EXISTS ") + table);
  for (const char* table : {"Grupo1", "Grupo2", "Grupo3"})
    connection.ExecuteStatement(std::string("CREATE TABLE ") + table +
                                " (ID INTEGER PRIMARY KEY, Nombre VARCHAR(40) NOT NULL)");
  connection.ExecuteStatement(
      "CREATE TABLE Deptos (DEPTO_NO INTEGER PRIMARY KEY, DEPTO_NAME VARCHAR(40) NOT NULL)");
  connection.ExecuteStatement(
      "CREATE TABLE Mnlus (Codigo INTEGER PRIMARY KEY, Descripcion VARCHAR(60) NOT NULL, "
      "Precio NUMERIC(12,2), Precio2 NUMERIC(12,2), Precio3 NUMERIC(12,2), "
      "Precio4 NUMERIC(12,2), Precio5 NUMERIC(12,2), Ban1 INTEGER, "
      "Grupo1 INTEGER, Grupo2 INTEGER, Grupo3 INTEGER, Departamento INTEGER)");
  connection.ExecuteStatement(
      "CREATE TABLE CodAlt (CodAlt VARCHAR(20) PRIMARY KEY, Codigo INTEGER NOT NULL, "
      "Unidad VARCHAR(10) NOT NULL, Mult NUMERIC(10,3) NOT NULL)");
}

template <size_t N>
void WriteNames(SqlConnection& connection, const char* head,
                const std::array<std::string_view, N>& names) {
  BatchInserter insert(connection, head);
  for (size_t i = 0; i < N; ++i)
    insert.Add("(" + std::to_string(i + 1) + "," + Quoted(names[i]) + ")");
  insert.Flush();
}

std::string Description(Random& random) {
  std::string text(random.Pick(kProducts));
  text += " ";
  text += random.Pick(kBrands);
  text += " ";
  text += random.Pick(kSizes);
  return text;
}

void WriteArticle(int code, Random& random, BatchInserter& articles, BatchInserter& packages) {
  const int cents = 500 + random.Below(50000);
  const std::string tuple = "(" + std::to_string(code) + "," + Quoted(Description(random)) + "," +
                            Money(cents) + "," + Money(cents * 97 / 100) + "," +
                            Money(cents * 95 / 100) + "," + Money(cents * 93 / 100) + "," +
                            Money(cents * 110 / 100) + "," + std::to_string(random.Below(2)) + "," +
                            std::to_string(1 + random.Below(kGroup1.size())) + "," +
                            std::to_string(1 + random.Below(kGroup2.size())) + "," +
                            std::to_string(1 + random.Below(kGroup3.size())) + "," +
                            std::to_string(1 + random.Below(kDepartments.size())) + ")";
  articles.Add(tuple);

  int packageNumber = 0;
  auto addPackage = [&](std::string_view unit, int multiplier) {
    char alternateCode[24];
    std::snprintf(alternateCode, sizeof alternateCode, "75%09d%d", code, ++packageNumber);
    packages.Add("(" + Quoted(alternateCode) + "," + std::to_string(code) + "," + Quoted(unit) +
                 "," + std::to_string(multiplier) + ")");
  };
  // Article 3 carries the one unit with a trailing blank, which matches no list.
  if (code == 3) addPackage("CAJA ", 12);
  if (random.Below(10) < 8)
    addPackage(random.Pick(kFirstListUnits), random.Pick(kFirstListMultipliers));
  if (random.Below(10) < 6)
    addPackage(random.Pick(kSecondListUnits), random.Pick(kSecondListMultipliers));
  if (packageNumber == 0 || random.Below(10) < 3) addPackage(random.Pick(kOtherUnits), 1);
}

}  // namespace

void WriteSampleDatabase(SqlConnection& connection, const SampleOptions& options) {
  CreateSchema(connection);
  connection.BeginTransaction();
  WriteNames(connection, "INSERT INTO Grupo1 (ID, Nombre)", kGroup1);
  WriteNames(connection, "INSERT INTO Grupo2 (ID, Nombre)", kGroup2);
  WriteNames(connection, "INSERT INTO Grupo3 (ID, Nombre)", kGroup3);
  WriteNames(connection, "INSERT INTO Deptos (DEPTO_NO, DEPTO_NAME)", kDepartments);
  Random random(options.seed);
  BatchInserter articles(connection,
                         "INSERT INTO Mnlus (Codigo, Descripcion, Precio, Precio2, Precio3, "
                         "Precio4, Precio5, Ban1, Grupo1, Grupo2, Grupo3, Departamento)");
  BatchInserter packages(connection, "INSERT INTO CodAlt (CodAlt, Codigo, Unidad, Mult)");
  for (int code = 1; code <= options.articles; ++code) {
    WriteArticle(code, random, articles, packages);
    if (options.progress && code % 10000 == 0) options.progress(code);
  }
  articles.Flush();
  packages.Flush();
  connection.Commit();
  connection.ExecuteStatement("CREATE INDEX CodAlt_Codigo ON CodAlt (Codigo)");
}

void CreateSampleSqliteFile(const std::string& path, const SampleOptions& options) {
  std::filesystem::remove(path);
  auto connection = SqlConnection::CreateSqlite(path);
  // A fresh file that is rebuilt on failure needs no journal.
  connection->ExecuteStatement("PRAGMA journal_mode=OFF");
  connection->ExecuteStatement("PRAGMA synchronous=OFF");
  WriteSampleDatabase(*connection, options);
}

}  // namespace qr::data
