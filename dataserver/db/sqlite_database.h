#pragma once
// A thin RAII layer over the SQLite C API: a database handle, a prepared
// statement and a transaction, none of which can leak. Engine failures are
// raised as rt::Error with the engine's own code and message.
#include <sqlite3.h>
#include <sys/types.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "quelvodat/recordset.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/variant.h"

namespace quelvodat::sqlite {

// Engine errors carry this base plus SQLite's primary result code, so they
// never collide with the runtime's own numbers (6, 13, 94...).
inline constexpr int32_t kEngineErrorBase = 3000;
inline constexpr const char* kEngineSource = "SQLite";

rt::Error EngineError(int code, std::string_view message);

// Inspect reads the file alone, as it lies on the disk, and changes nothing:
// no log, shared memory or journal beside it is read, made or removed (a
// read-only open may still do so).
enum class Mode { ReadWrite, ReadOnly, Create, Inspect };

class Statement;

// Idle prepared statements of one text.
using IdleStatements = std::vector<sqlite3_stmt*>;

class Database {
public:
    // Opens an existing file (Create also makes a missing one). A user
    // database runs in WAL mode with a busy timeout, and a commit reaches the
    // disk before it returns (synchronous=FULL: one sync of the log per
    // commit); every handle has the Spanish collation "ES".
    Database(const std::string& path, Mode mode);
    // Closing checkpoints the log into the database file when this is the
    // file's last connection.
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The statement of that text, prepared once per handle: a statement
    // handed back by an earlier call is reset and reused.
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
    // A transaction is open on the handle.
    bool inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
    // The path still names the file this handle opened (same device and
    // inode): false once it was deleted or another file was put in its place.
    bool stillAtPath() const;
    // Writes the log into the database file and empties it; best effort.
    void checkpoint() noexcept;
    // Puts what the log holds on the disk: for commits made while
    // synchronous was NORMAL, which leave that to the operating system.
    void syncLog();
    // The log beside the path is still the one this handle has been writing.
    bool logStillOurs() const;
    // Closing will leave the log as it is: for a handle whose file is no
    // longer at its path, where the log by that name may be another file's.
    void leaveLogOnClose();
    // Answers a read-only handle keeps by key: its rows cannot change while
    // it serves its file. Nothing is remembered beyond kMaxRemembered keys.
    const int32_t* remembered(std::string_view key) const;
    void remember(std::string_view key, int32_t value);
    // Whether the query finds a row for the values (bound as
    // Statement::bindValues binds them). Inside a transaction a row found is
    // remembered, by the text and the values, and not looked for again while
    // nothing can have taken it away: other connections' changes are not seen
    // before the transaction ends, and of this handle's own an insert takes
    // no row away. The end of the transaction, any update or delete on the
    // handle and a savepoint rolled back forget every row remembered. (No
    // statement here replaces rows on a conflict: the engine would delete
    // them unseen.)
    template <typename... T>
    bool findsRow(std::string_view sql, const T&... values);
    // Forgets the rows findsRow remembered.
    void forgetFound() noexcept;

    [[noreturn]] void raise(int code) const;

private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept {
            return std::hash<std::string_view>{}(s);
        }
    };

    using IdleMap = std::unordered_map<std::string, IdleStatements, TextHash, std::equal_to<>>;
    // The idle statements of that text, when it was prepared before.
    IdleMap::value_type* findIdle(std::string_view sql);

    sqlite3* db_ = nullptr;
    std::string path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    dev_t logDevice_ = 0;
    ino_t logInode_ = 0;
    IdleMap idle_;
    // The texts found last, by where their caller keeps them (elements of
    // the map stay where they are; none is ever removed).
    struct Recent {
        const char* data = nullptr;
        size_t size = 0;
        IdleMap::value_type* entry = nullptr;
    };
    std::array<Recent, 8> recent_{};
    size_t nextRecent_ = 0;
    bool readOnly_ = false;
    std::unordered_map<std::string, int32_t, TextHash, std::equal_to<>> remembered_;
    // The rows findsRow found in the transaction open, by text and values
    // (kMaxFound at most); foundKey_ is where the key of a call is made.
    static constexpr size_t kMaxFound = 1024;
    std::unordered_set<std::string> found_;
    std::string foundKey_;
    // Inserts the update hook was told of since the handle opened, and the
    // other changes the engine counted when the first row was remembered.
    int64_t insertsTold_ = 0;
    int64_t untoldAtFirstFound_ = 0;
    static void addToKey(std::string& key, int32_t value);
    static void addToKey(std::string& key, std::string_view value);
    // Changes the engine counted on the handle that are no insert it told of.
    int64_t untoldChanges() const;
    bool remembersFound(const std::string& key);
    void rememberFound(const std::string& key);
    // The engine's hooks: the end of a transaction forgets the rows found;
    // inserts are counted.
    static int onCommit(void* db);
    static void onRollback(void* db);
    static void onRowChange(void* db, int change, const char*, const char*, sqlite3_int64);
};

// A prepared statement in use; destroyed, it goes back to its database's
// idle statements, reset and with its values cleared.
class Statement {
public:
    // `home`: where the statement goes back to; none, it is finalized.
    Statement(Database& db, sqlite3_stmt* stmt, IdleStatements* home)
        : db_(&db), stmt_(stmt), home_(home) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameter `index` (from 1). Empty and Null bind SQL NULL; a
    // Boolean binds -1 or 0 as the stored Yes/No values do. A text is bound
    // where it is, not copied: the value must live until the statement is
    // done with (the statement clears its values when it is handed back).
    void bind(int index, const rt::Variant& value);
    void bindAll(const std::vector<rt::Variant>& values);
    // The same for values held as they are, without a Variant each: a text is
    // bound where it is, as above.
    void bind(int index, int32_t value);
    void bind(int index, double value);
    void bind(int index, std::string_view value);
    void bind(int index, const std::string& value) { bind(index, std::string_view(value)); }
    // Binds the values from parameter 1 on, one each.
    template <typename... T>
    void bindValues(const T&... values) {
        int index = 0;
        (bind(++index, values), ...);
    }
    // Next row: true while there is one.
    bool step();
    int columnCount() const;
    std::string columnName(int index) const;
    // True when the statement cannot change the database's contents.
    bool readOnly() const { return sqlite3_stmt_readonly(stmt_) != 0; }
    rt::Variant column(int index) const;
    // Column `index` as the text CStr gives of column(index), Null as "": a
    // text or bytes where the engine keeps it (valid until the next step,
    // not copied), a number written into `digits`.
    std::string_view columnText(int index, rt::NumberText& digits) const;
    // Column `index` as a whole number (0 for Null).
    int64_t columnInt(int index) const { return sqlite3_column_int64(stmt_, index); }

private:
    Database* db_;
    sqlite3_stmt* stmt_;
    IdleStatements* home_;
};

template <typename... T>
bool Database::findsRow(std::string_view sql, const T&... values) {
    const bool inside = inTransaction();
    if (inside) {
        foundKey_.assign(sql);
        (addToKey(foundKey_, values), ...);
        if (remembersFound(foundKey_)) return true;
    }
    auto statement = prepare(sql);
    statement.bindValues(values...);
    if (!statement.step()) return false;
    if (inside) rememberFound(foundKey_);
    return true;
}

// BEGIN IMMEDIATE on construction (the write lock is taken before anything
// is read, so what the transaction reads stays true until it commits);
// rolled back on destruction unless committed, so a failure leaves nothing
// half done. Inside a transaction already open on the handle it is a
// savepoint of it: committing releases the savepoint, and the changes reach
// the disk with the outer transaction.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool nested_;
    bool done_ = false;
};

// Registers the Spanish collation on a handle: accents and case folded, Ñ
// after N.
void RegisterSpanishCollation(sqlite3* db);
// The sort key that collation compares (exposed for its tests).
std::u32string SpanishSortKey(std::string_view utf8);

}  // namespace quelvodat::sqlite
