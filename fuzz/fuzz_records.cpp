// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// Any bytes as a record file for `weir-head flow --column head_mm --time t`:
// the reader ends, line numbers only grow, the exit status is one of the
// three, and a refused file writes nothing at all.
#include "app/subcommands.h"
#include "records/model/csv_tokenizer.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

using namespace weir;

namespace {

std::FILE *fileOf(const uint8_t *data, size_t size)
{
    std::FILE *file = std::tmpfile();
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_records";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    std::FILE *in = fileOf(data, size);
    {
        CsvTokenizer reader(in, ',');
        long long line = 0;
        for (;;) {
            const CsvTokenizer::Status status = reader.next();
            if (status != CsvTokenizer::Status::Record)
                break;
            if (reader.line() <= line || reader.fields().empty())
                std::abort();
            line = reader.line();
        }
    }
    std::rewind(in);
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    const int status
        = runSubcommand({"weir-head", "flow", "--width", "300", "--column", "head_mm", "--time", "t"}, in, out, err);
    std::fflush(out);
    if (status < 0 || status > 2)
        std::abort();
    if (status == 2 && std::ftell(out) != 0)
        std::abort(); // a refused file wrote something
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return 0;
}
