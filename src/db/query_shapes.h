// The four shapes of a query (list, record, scalar, statement) and the row callbacks they run.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "db/column_reader.h"
#include "db/sql_exec.h"

// Runs a statement; a failure ends the game, quoting the statement. Once a failure has been
// posted, runs nothing and returns false. Returns whether it succeeded.
bool RunOrQuit(sqlite3* db, const std::string& sql, RowCallback callback, void* user);

// Callback of statements that return no rows worth reading.
int IgnoreRow(void* user, int columns, char** values, char** names);

// Scalar callback: atoi of the only column (NULL reads 0); rows of any other width are skipped.
int ScalarRow(void* user, int columns, char** values, char** names);

// A list query's callback: a row of the right width becomes a new row at the end of the list.
template <class Row, int kColumns, void (*Fill)(Row&, CColumnReader&)>
int ListRow(void* user, int columns, char** values, char**)
{
    if (columns != kColumns)
        return 0;
    auto row = std::make_unique<Row>();
    CColumnReader in(values);
    Fill(*row, in);
    static_cast<std::list<std::unique_ptr<Row>>*>(user)->push_back(std::move(row));
    return 0;
}

// A record query's callback: a row of the right width replaces the record, so the last row wins.
template <class Record, int kColumns, void (*Fill)(Record&, CColumnReader&)>
int RecordRow(void* user, int columns, char** values, char**)
{
    if (columns != kColumns)
        return 0;
    auto record = std::make_unique<Record>();
    CColumnReader in(values);
    Fill(*record, in);
    *static_cast<std::unique_ptr<Record>*>(user) = std::move(record);
    return 0;
}

// Frees the previous rows, runs the statement and hands the caller pointers to the new rows.
template <class Row, int kColumns, void (*Fill)(Row&, CColumnReader&)>
std::list<Row*>& RunList(sqlite3* db, const std::string& sql, std::list<std::unique_ptr<Row>>& member,
                         std::list<Row*>& out)
{
    member.clear();
    RunOrQuit(db, sql, &ListRow<Row, kColumns, Fill>, &member);
    out.clear();
    for (const std::unique_ptr<Row>& row : member)
        out.push_back(row.get());
    return out;
}

// Frees the previous record and runs the statement: the new record, or null when no row came.
template <class Record, int kColumns, void (*Fill)(Record&, CColumnReader&)>
Record* RunRecord(sqlite3* db, const std::string& sql, std::unique_ptr<Record>& member)
{
    member.reset();
    RunOrQuit(db, sql, &RecordRow<Record, kColumns, Fill>, &member);
    return member.get();
}

// As RunRecord, but a failed statement gives null whatever rows arrived.
template <class Record, int kColumns, void (*Fill)(Record&, CColumnReader&)>
Record* RunRecordOrNull(sqlite3* db, const std::string& sql, std::unique_ptr<Record>& member)
{
    member.reset();
    if (!RunOrQuit(db, sql, &RecordRow<Record, kColumns, Fill>, &member))
        return nullptr;
    return member.get();
}

// Sets the scalar to its preset, runs the statement and returns what the callback left.
inline int32_t RunScalar(sqlite3* db, const std::string& sql, int32_t& member, int32_t preset,
                         RowCallback callback = &ScalarRow)
{
    member = preset;
    RunOrQuit(db, sql, callback, &member);
    return member;
}
