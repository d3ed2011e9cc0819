#include "sqlite_database.h"

#include <sys/stat.h>

#include <cctype>
#include <limits>

namespace quelvodat::sqlite {

namespace {
constexpr int kBusyTimeoutMs = 5000;
// Every statement text of the library is fixed, so this bound is never
// reached in use; it only keeps a handle's memory in check.
constexpr size_t kMaxStatementTexts = 256;
// Copies of one text kept for reuse (a text in use while it runs again).
constexpr size_t kMaxIdleCopies = 4;
// Answers a read-only handle remembers (the member states and the like).
constexpr size_t kMaxRemembered = 1024;

// The file's name as an SQLite URI that opens it immutable: the engine then
// neither locks it nor looks beside it.
std::string immutableUri(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '_' || c == '-') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri + "?immutable=1";
}

bool onlyBlanks(const char* p, const char* end) {
    for (; p < end && *p; ++p)
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') return false;
    return true;
}
}  // namespace

rt::Error EngineError(int code, std::string_view message) {
    return rt::Error(kEngineErrorBase + (code & 0xFF), kEngineSource, std::string(message));
}

Database::Database(const std::string& path, Mode mode)
    : path_(path), readOnly_(mode == Mode::ReadOnly) {
    // An empty name would give a private temporary database in SQLite; a
    // missing path must fail as any unopenable file does.
    if (path.empty()) throw EngineError(SQLITE_CANTOPEN, "unable to open database file: ''");
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Mode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case Mode::Inspect: flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI; break;
    }
    const bool writes = mode == Mode::ReadWrite || mode == Mode::Create;
    int rc = sqlite3_open_v2(mode == Mode::Inspect ? immutableUri(path).c_str() : path.c_str(), &db_, flags,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw EngineError(rc, message + ": '" + path + "'");
    }
    sqlite3_extended_result_codes(db_, 0);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    RegisterSpanishCollation(db_);
    sqlite3_commit_hook(db_, onCommit, this);
    sqlite3_rollback_hook(db_, onRollback, this);
    sqlite3_update_hook(db_, onRowChange, this);
    try {
        // Any query proves the file is a database before we go on.
        executeScript("SELECT count(*) FROM sqlite_master");
        if (writes) {
            // Turning a file into WAL mode needs it alone for a moment, and
            // the engine does not wait for that by itself.
            for (int esperado = 0;; esperado += 10) {
                int rc = sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
                if (rc == SQLITE_OK) break;
                if (rc != SQLITE_BUSY || esperado >= kBusyTimeoutMs) raise(rc);
                sqlite3_sleep(10);
            }
            // A change a member reports as made is on the disk.
            executeScript("PRAGMA synchronous=FULL");
            // A file that was in rollback-journal mode gets its log only at
            // the next read: open it now, so that its identity is known
            // before anything is written to it.
            executeScript("SELECT count(*) FROM sqlite_master");
        }
        struct stat st {};
        if (path != ":memory:" && ::stat(path.c_str(), &st) == 0) {
            device_ = st.st_dev;
            inode_ = st.st_ino;
        }
        // The log stays while we are open.
        if (writes && ::stat((path + "-wal").c_str(), &st) == 0) {
            logDevice_ = st.st_dev;
            logInode_ = st.st_ino;
        }
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

Database::~Database() {
    for (auto& [sql, idle] : idle_)
        for (sqlite3_stmt* stmt : idle) sqlite3_finalize(stmt);
    if (db_) sqlite3_close_v2(db_);
}

bool Database::stillAtPath() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) return false;
    return st.st_dev == device_ && st.st_ino == inode_;
}

void Database::checkpoint() noexcept {
    sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
}

void Database::syncLog() {
    sqlite3_file* log = nullptr;
    const int rc = sqlite3_file_control(db_, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log);
    if (rc != SQLITE_OK || !log || !log->pMethods) return;
    if (int fallo = log->pMethods->xSync(log, SQLITE_SYNC_NORMAL); fallo != SQLITE_OK)
        throw EngineError(fallo, "disk I/O error: the log could not be synced: '" + path_ + "'");
}

bool Database::logStillOurs() const {
    struct stat st {};
    if (logInode_ == 0 || ::stat((path_ + "-wal").c_str(), &st) != 0) return false;
    return st.st_dev == logDevice_ && st.st_ino == logInode_;
}

void Database::leaveLogOnClose() {
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}


const int32_t* Database::remembered(std::string_view key) const {
    auto known = remembered_.find(key);
    return readOnly_ && known != remembered_.end() ? &known->second : nullptr;
}

void Database::remember(std::string_view key, int32_t value) {
    if (readOnly_ && remembered_.size() < kMaxRemembered)
        remembered_.try_emplace(std::string(key), value);
}

void Database::forgetFound() noexcept {
    if (!found_.empty()) found_.clear();
}

int Database::onCommit(void* db) {
    static_cast<Database*>(db)->forgetFound();
    return 0;
}

void Database::onRollback(void* db) { static_cast<Database*>(db)->forgetFound(); }

void Database::onRowChange(void* db, int change, const char*, const char*, sqlite3_int64) {
    if (change == SQLITE_INSERT) ++static_cast<Database*>(db)->insertsTold_;
}

int64_t Database::untoldChanges() const { return sqlite3_total_changes64(db_) - insertsTold_; }

bool Database::remembersFound(const std::string& key) {
    if (found_.empty()) return false;
    // The engine counts every row an update or a delete changed, a table
    // emptied at once included (which tells no hook); inserts alone take no
    // row away.
    if (untoldChanges() != untoldAtFirstFound_) {
        forgetFound();
        return false;
    }
    return found_.contains(key);
}

void Database::rememberFound(const std::string& key) {
    if (found_.empty()) untoldAtFirstFound_ = untoldChanges();
    if (found_.size() < kMaxFound) found_.insert(key);
}

void Database::addToKey(std::string& key, int32_t value) {
    key += '\x01';
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void Database::addToKey(std::string& key, std::string_view value) {
    const size_t size = value.size();
    key += '\x02';
    key.append(reinterpret_cast<const char*>(&size), sizeof size);
    key.append(value);
}

void Database::raise(int code) const { throw EngineError(code, sqlite3_errmsg(db_)); }

Database::IdleMap::value_type* Database::findIdle(std::string_view sql) {
    // A caller passes the same literal each time: where its text lies finds
    // it again without hashing it (the text itself is still compared).
    for (const Recent& r : recent_)
        if (r.entry && r.data == sql.data() && r.size == sql.size() && r.entry->first == sql)
            return r.entry;
    auto known = idle_.find(sql);
    if (known == idle_.end()) return nullptr;
    recent_[nextRecent_] = {sql.data(), sql.size(), &*known};
    nextRecent_ = (nextRecent_ + 1) % recent_.size();
    return &*known;
}

Statement Database::prepare(std::string_view sql) {
    auto* known = findIdle(sql);
    if (known && !known->second.empty()) {
        sqlite3_stmt* stmt = known->second.back();
        known->second.pop_back();
        return Statement(*this, stmt, &known->second);
    }
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()),
                                SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK) raise(rc);
    if (!stmt) throw EngineError(SQLITE_MISUSE, "empty statement");
    // One statement per call: values never reach SQL as text, and nothing can
    // ride along behind a statement. Such a text is never kept for reuse.
    if (!onlyBlanks(tail, sql.data() + sql.size())) {
        sqlite3_finalize(stmt);
        throw EngineError(SQLITE_MISUSE, "more than one statement in one call");
    }
    IdleStatements* home = nullptr;
    if (known) {
        home = &known->second;
    } else if (idle_.size() < kMaxStatementTexts) {
        try {
            home = &idle_.try_emplace(std::string(sql)).first->second;
        } catch (...) {
            sqlite3_finalize(stmt);
            throw;
        }
    }
    return Statement(*this, stmt, home);
}

int64_t Database::execute(std::string_view sql, const std::vector<rt::Variant>& values) {
    auto statement = prepare(sql);
    statement.bindAll(values);
    while (statement.step()) {
    }
    return sqlite3_changes64(db_);
}

std::unique_ptr<Recordset> Database::query(std::string_view sql,
                                           const std::vector<rt::Variant>& values) {
    auto statement = prepare(sql);
    statement.bindAll(values);
    std::vector<std::string> names;
    int columns = statement.columnCount();
    names.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) names.push_back(statement.columnName(c));
    std::vector<std::vector<rt::Variant>> rows;
    while (statement.step()) {
        std::vector<rt::Variant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) row.push_back(statement.column(c));
        rows.push_back(std::move(row));
    }
    return std::make_unique<Recordset>(std::move(names), std::move(rows));
}

void Database::executeScript(const std::string& sql) {
    char* message = nullptr;
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw EngineError(rc, text);
    }
}

int64_t Database::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

Statement::~Statement() {
    if (!stmt_) return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (home_ && home_->size() < kMaxIdleCopies) {
        try {
            home_->push_back(stmt_);
            return;
        } catch (...) {
        }
    }
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_), home_(other.home_) {
    other.stmt_ = nullptr;
}

void Statement::bind(int index, const rt::Variant& value) {
    int rc = SQLITE_OK;
    switch (value.type()) {
    case rt::VarType::Empty:
    case rt::VarType::Null: rc = sqlite3_bind_null(stmt_, index); break;
    case rt::VarType::Boolean: rc = sqlite3_bind_int(stmt_, index, value.boolean() ? -1 : 0); break;
    case rt::VarType::Integer: rc = sqlite3_bind_int(stmt_, index, value.integer()); break;
    case rt::VarType::Long: rc = sqlite3_bind_int(stmt_, index, value.lng()); break;
    case rt::VarType::Double: rc = sqlite3_bind_double(stmt_, index, value.dbl()); break;
    case rt::VarType::String:
        rc = sqlite3_bind_text(stmt_, index, value.str().data(),
                               static_cast<int>(value.str().size()), SQLITE_STATIC);
        break;
    case rt::VarType::Array: throw rt::Error::Runtime(rt::err::TypeMismatch, kEngineSource);
    }
    if (rc != SQLITE_OK) db_->raise(rc);
}

void Statement::bind(int index, int32_t value) {
    if (int rc = sqlite3_bind_int(stmt_, index, value); rc != SQLITE_OK) db_->raise(rc);
}

void Statement::bind(int index, double value) {
    if (int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK) db_->raise(rc);
}

void Statement::bind(int index, std::string_view value) {
    int rc = sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                               SQLITE_STATIC);
    if (rc != SQLITE_OK) db_->raise(rc);
}

void Statement::bindAll(const std::vector<rt::Variant>& values) {
    if (static_cast<int>(values.size()) != sqlite3_bind_parameter_count(stmt_))
        throw EngineError(SQLITE_RANGE, "wrong number of values for the statement's parameters");
    for (size_t i = 0; i < values.size(); ++i) bind(static_cast<int>(i + 1), values[i]);
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_->raise(rc);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

std::string Statement::columnName(int index) const {
    const char* name = sqlite3_column_name(stmt_, index);
    return name ? name : "";
}

namespace {

// A column's value of the current row, read where the engine keeps it with
// one call into the engine. The engine calls such a value unprotected: safe
// while no other thread uses the handle, and a handle serves one thread at a
// time (it is opened without the engine's locking, and an import run's
// thread waits for the calling thread's hold of the connection).
sqlite3_value* ValorDe(sqlite3_stmt* stmt, int index) { return sqlite3_column_value(stmt, index); }

std::string_view TextoDe(sqlite3_value* valor) {
    auto text = reinterpret_cast<const char*>(sqlite3_value_text(valor));
    if (!text) return {};
    return {text, static_cast<size_t>(sqlite3_value_bytes(valor))};
}

}  // namespace

namespace {

// How column() reads a whole number: a Long where one holds it, else a Double.
bool EsLong(sqlite3_int64 v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

}  // namespace

rt::Variant Statement::column(int index) const {
    sqlite3_value* valor = ValorDe(stmt_, index);
    switch (sqlite3_value_type(valor)) {
    case SQLITE_INTEGER: {
        sqlite3_int64 v = sqlite3_value_int64(valor);
        if (EsLong(v)) return rt::Variant(static_cast<int32_t>(v));
        return rt::Variant(static_cast<double>(v));
    }
    case SQLITE_FLOAT: return rt::Variant(sqlite3_value_double(valor));
    case SQLITE_NULL: return rt::Variant::Null();
    default: return rt::Variant(TextoDe(valor));
    }
}

std::string_view Statement::columnText(int index, rt::NumberText& digits) const {
    sqlite3_value* valor = ValorDe(stmt_, index);
    switch (sqlite3_value_type(valor)) {
    case SQLITE_INTEGER: {
        sqlite3_int64 v = sqlite3_value_int64(valor);
        if (EsLong(v)) return rt::FormatLong(static_cast<int32_t>(v), digits);
        return rt::FormatDouble(static_cast<double>(v), digits);
    }
    case SQLITE_FLOAT: return rt::FormatDouble(sqlite3_value_double(valor), digits);
    case SQLITE_NULL: return {};
    default: return TextoDe(valor);
    }
}

Transaction::Transaction(Database& db) : db_(db), nested_(db.inTransaction()) {
    db_.execute(nested_ ? "SAVEPOINT paso" : "BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (done_) return;
    // The engine may have rolled the whole transaction back already (a full
    // disk, say): then there is nothing left to undo.
    if (!db_.inTransaction()) return;
    sqlite3_exec(db_.handle(), nested_ ? "ROLLBACK TO paso; RELEASE paso" : "ROLLBACK", nullptr,
                 nullptr, nullptr);
    // Going back to a savepoint tells no hook.
    if (nested_) db_.forgetFound();
}

void Transaction::commit() {
    db_.execute(nested_ ? "RELEASE paso" : "COMMIT");
    done_ = true;
}

}  // namespace quelvodat::sqlite
