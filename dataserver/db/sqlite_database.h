#pragma once
// A thin RAII layer over the SQLite C API: a database handle, a prepared
// statement and a transaction, none of which can leak. Engine failures are
// raised as rt::Error with the engine's own code and message.
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quelvodat/recordset.h"
#include "quelvort/error.h"
#include "quelvort/variant.h"

namespace quelvodat::sqlite {

// Engine errors carry this base plus SQLite's primary result code, so they
// never collide with the runtime's own numbers (6, 13, 94...).
inline constexpr int32_t kEngineErrorBase = 3000;
inline constexpr const char* kEngineSource = "SQLite";

rt::Error EngineError(int code, std::string_view message);

enum class Mode { ReadWrite, ReadOnly, Create };

class Statement;

class Database {
public:
    // Opens an existing file (Create also makes a missing one). A user
    // database runs in WAL mode with a busy timeout; every handle has the
    // Spanish collation "ES".
    Database(const std::string& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Statement prepare(std::string_view sql);
    // One statement with bound values; the number of rows it changed.
    int64_t execute(std::string_view sql, const std::vector<rt::Variant>& values = {});
    // The rows of one query, read whole.
    std::unique_ptr<Recordset> query(std::string_view sql,
                                     const std::vector<rt::Variant>& values = {});
    // Several statements without parameters (schemas).
    void executeScript(const std::string& sql);

    int64_t lastInsertRowId() const;
    const std::string& path() const { return path_; }
    sqlite3* handle() const { return db_; }

    [[noreturn]] void raise(int code) const;

private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

class Statement {
public:
    Statement(const Database& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameter `index` (from 1). Empty and Null bind SQL NULL; a
    // Boolean binds -1 or 0 as the stored Yes/No values do.
    void bind(int index, const rt::Variant& value);
    void bindAll(const std::vector<rt::Variant>& values);
    // Next row: true while there is one.
    bool step();
    int columnCount() const;
    std::string columnName(int index) const;
    // True when the statement cannot change the database's contents.
    bool readOnly() const { return sqlite3_stmt_readonly(stmt_) != 0; }
    rt::Variant column(int index) const;

private:
    const Database* db_;
    sqlite3_stmt* stmt_;
};

// BEGIN IMMEDIATE on construction; rolled back on destruction unless
// committed, so a failure leaves nothing half done.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

// Registers the Spanish collation on a handle: accents and case folded, Ñ
// after N.
void RegisterSpanishCollation(sqlite3* db);
// The sort key that collation compares (exposed for its tests).
std::u32string SpanishSortKey(std::string_view utf8);

}  // namespace quelvodat::sqlite
