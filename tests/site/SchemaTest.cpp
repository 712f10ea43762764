// A fresh site holds the whole schema, its generators advance and the one-row table keeps one row.

#include "support/TestSite.h"

#include <gtest/gtest.h>
#include <ibase.h>

using namespace db;

namespace {

struct ColumnKind
{
    const char *table;
    const char *column;
    int fieldType; // RDB$FIELD_TYPE
    int length;    // characters for text, 0 otherwise
    int scale;     // for exact numerics
};

// Firebird's catalogue codes: 8 integer, 10 float, 12 date, 13 time, 16 int64, 37 varchar.
constexpr int kInt = 8, kFloat = 10, kDate = 12, kTime = 13, kInt64 = 16, kVarchar = 37;

const ColumnKind kSchema[] = {
    {"CLIENTES", "ID", kInt, 0, 0},         {"CLIENTES", "NOME", kVarchar, 40, 0},
    {"CLIENTES", "ENDERECO", kVarchar, 50, 0}, {"CLIENTES", "CIDADE", kVarchar, 20, 0},
    {"CLIENTES", "ESTADO", kVarchar, 2, 0}, {"CLIENTES", "CEP", kVarchar, 9, 0},
    {"CLIENTES", "FONE", kVarchar, 18, 0},  {"CLIENTES", "FAX", kVarchar, 18, 0},
    {"CLIENTES", "CNPJ", kVarchar, 18, 0},  {"CLIENTES", "ESTADUAL", kVarchar, 18, 0},
    {"CLIENTES", "OPERADOR", kVarchar, 20, 0}, {"CLIENTES", "OBS", kVarchar, 2000, 0},
    {"CLIENTES", "EMAIL", kVarchar, 40, 0}, {"CLIENTES", "PROFISSAO", kVarchar, 30, 0},
    {"CLIENTES", "NACIONALIDADE", kVarchar, 30, 0}, {"CLIENTES", "NASCIMENTO", kDate, 0, 0},
    {"CLIENTES", "SEXO", kVarchar, 1, 0},   {"CLIENTES", "NUMERO", kInt, 0, 0},
    {"CLIENTES", "PAIS", kVarchar, 30, 0},  {"CLIENTES", "EMPRESA", kVarchar, 30, 0},
    {"CLIENTES", "PASSAPORTE", kVarchar, 30, 0}, {"CLIENTES", "BAIRRO", kVarchar, 20, 0},
    {"SORQUIL", "ID", kInt, 0, 0},          {"SORQUIL", "NOME", kVarchar, 15, 0},
    {"SORQUIL", "SENHA", kVarchar, 10, 0},  {"SORQUIL", "MASTER", kVarchar, 1, 0},
    {"SORQUIL", "SISTEMA", kInt, 0, 0},
    {"EMPRESA", "EMPRESA", kVarchar, 40, 0}, {"EMPRESA", "ENDERECO", kVarchar, 40, 0},
    {"EMPRESA", "CIDADE", kVarchar, 20, 0}, {"EMPRESA", "ESTADO", kVarchar, 2, 0},
    {"EMPRESA", "CNPJ", kVarchar, 20, 0},   {"EMPRESA", "IESTADUAL", kVarchar, 20, 0},
    {"EMPRESA", "TELEFONE", kVarchar, 20, 0}, {"EMPRESA", "FAX", kVarchar, 20, 0},
    {"EMPRESA", "TIPOTAXA", kInt, 0, 0},    {"EMPRESA", "TAXA", kFloat, 0, 0},
    {"EMPRESA", "PORDIARIA", kInt, 0, 0},   {"EMPRESA", "OPCAO", kInt, 0, 0},
    {"EMPRESA", "TIPO", kInt, 0, 0},        {"EMPRESA", "IMPRESSORA", kVarchar, 50, 0},
    {"EMPRESA", "CAIXA", kInt, 0, 0},       {"EMPRESA", "DATA", kDate, 0, 0},
    {"EMPRESA", "HORA", kTime, 0, 0},       {"EMPRESA", "VALOR", kFloat, 0, 0},
    {"EMPRESA", "TOLERANCA", kInt, 0, 0},   {"EMPRESA", "CORBORDA", kVarchar, 12, 0},
    {"EMPRESA", "CORFUNDO", kVarchar, 12, 0}, {"EMPRESA", "CORTITULO", kVarchar, 12, 0},
    {"EMPRESA", "CORMENU", kVarchar, 12, 0},
    {"RESERVA", "ID", kInt, 0, 0},          {"RESERVA", "CLIENTE", kInt, 0, 0},
    {"RESERVA", "ENTRADA", kDate, 0, 0},    {"RESERVA", "SAIDA", kDate, 0, 0},
    {"RESERVA", "CHECKIN", kInt, 0, 0},     {"RESERVA", "OBS", kVarchar, 2000, 0},
    {"RESERVA", "DIARIA", kFloat, 0, 0},    {"RESERVA", "TAXAS", kFloat, 0, 0},
    {"RESERVA", "TIPOTAXA", kInt, 0, 0},    {"RESERVA", "CONVENIO", kInt, 0, 0},
    {"RESERVA", "PORDIARIA", kInt, 0, 0},   {"RESERVA", "ULTPROCEDENCIA", kVarchar, 30, 0},
    {"RESERVA", "PROXDESTINO", kVarchar, 30, 0}, {"RESERVA", "MOTIVO", kVarchar, 30, 0},
    {"RESERVA", "TRANSPORTE", kVarchar, 12, 0}, {"RESERVA", "PLACA", kVarchar, 12, 0},
    {"RESERVA", "ADULTOS", kInt, 0, 0},     {"RESERVA", "CRIANCAS", kInt, 0, 0},
    {"RESERVA", "GRUPO", kVarchar, 12, 0},  {"RESERVA", "MODELO", kVarchar, 12, 0},
    {"RESERVA", "QUARTO", kVarchar, 10, 0},
    {"QUARTOS", "ID", kInt, 0, 0},          {"QUARTOS", "NOME", kVarchar, 40, 0},
    {"QUARTOS", "CATEGORIA", kInt, 0, 0},   {"QUARTOS", "BLOQUEADO", kInt, 0, 0},
    {"QUARTOS", "DIARIA", kFloat, 0, 0},    {"QUARTOS", "DESCRICAO", kVarchar, 4000, 0},
    {"QUARTOS", "CODIGO", kVarchar, 10, 0}, {"QUARTOS", "INICIADATA", kDate, 0, 0},
    {"QUARTOS", "INICIAHORA", kTime, 0, 0}, {"QUARTOS", "NOTA", kInt, 0, 0},
    {"CATEGORIA", "ID", kInt, 0, 0},        {"CATEGORIA", "NOME", kVarchar, 40, 0},
    {"CATEGORIA", "VALOR", kFloat, 0, 0},   {"CATEGORIA", "ADCIONAL", kFloat, 0, 0},
    {"TIPORESERVA", "ID", kInt, 0, 0},      {"TIPORESERVA", "NOME", kVarchar, 40, 0},
    {"TIPORESERVA", "TAXA", kFloat, 0, 0},  {"TIPORESERVA", "COMISSAO", kFloat, 0, 0},
    {"TIPORESERVA", "FONE", kVarchar, 20, 0}, {"TIPORESERVA", "CONTATO", kVarchar, 40, 0},
    {"TIPORESERVA", "OBS", kVarchar, 2000, 0},
    {"PRODUTOS", "ID", kInt, 0, 0},         {"PRODUTOS", "CODIGO", kInt, 0, 0},
    {"PRODUTOS", "NOME", kVarchar, 40, 0},  {"PRODUTOS", "CLASSE", kInt, 0, 0},
    {"PRODUTOS", "VALOR", kInt64, 0, 4},    {"PRODUTOS", "UNIDADE", kVarchar, 2, 0},
    {"PRODUTOS", "ESTOQUE", kInt64, 0, 4},  {"PRODUTOS", "CUSTO", kInt64, 0, 4},
    {"PRODUTOS", "MEDIO", kInt64, 0, 4},    {"PRODUTOS", "FORNECEDOR", kInt, 0, 0},
    {"PRODUTOS", "ENTRADA", kFloat, 0, 0},  {"PRODUTOS", "SAIDA", kFloat, 0, 0},
    {"PRODUTOS", "CONTROLE", kFloat, 0, 0}, {"PRODUTOS", "ESTGERAL", kInt64, 0, 4},
    {"PRODUTOS", "CODBARRA", kVarchar, 16, 0},
    {"TIPOS", "ID", kInt, 0, 0},            {"TIPOS", "CODIGO", kInt, 0, 0},
    {"TIPOS", "NOME", kVarchar, 20, 0},     {"TIPOS", "QUANT", kInt64, 0, 4},
    {"TIPOS", "VALOR", kInt64, 0, 4},
    {"FORNECEDOR", "ID", kInt, 0, 0},       {"FORNECEDOR", "CODIGO", kInt, 0, 0},
    {"FORNECEDOR", "NOME", kVarchar, 40, 0}, {"FORNECEDOR", "ENDERECO", kVarchar, 40, 0},
    {"FORNECEDOR", "CIDADE", kVarchar, 20, 0}, {"FORNECEDOR", "ESTADO", kVarchar, 2, 0},
    {"FORNECEDOR", "CEP", kVarchar, 9, 0},  {"FORNECEDOR", "FONE", kVarchar, 18, 0},
    {"FORNECEDOR", "FAX", kVarchar, 18, 0}, {"FORNECEDOR", "ESTADUAL", kVarchar, 18, 0},
    {"FORNECEDOR", "OPERADOR", kVarchar, 20, 0}, {"FORNECEDOR", "CNPJ", kVarchar, 20, 0},
    {"FORNECEDOR", "EMAIL", kVarchar, 40, 0}, {"FORNECEDOR", "PAGINA", kVarchar, 40, 0},
    {"FORNECEDOR", "CONTATO", kVarchar, 40, 0},
    {"ESTFIC", "ID", kInt, 0, 0},           {"ESTFIC", "CODIGO", kVarchar, 14, 0},
    {"ESTFIC", "DATA", kDate, 0, 0},        {"ESTFIC", "HISTORICO", kVarchar, 50, 0},
    {"ESTFIC", "ENTRADA", kInt64, 0, 4},    {"ESTFIC", "SAIDA", kInt64, 0, 4},
    {"ESTFIC", "NFISCAL", kInt, 0, 0},      {"ESTFIC", "PEDIDO", kInt, 0, 0},
    {"ESTFIC", "VENDEDOR", kInt, 0, 0},     {"ESTFIC", "VALOR", kInt64, 0, 4},
    {"ESTFIC", "CLIENTE", kInt, 0, 0},      {"ESTFIC", "CCUSTO", kInt, 0, 0},
    {"ESTFIC", "CAIXA", kInt, 0, 0},        {"ESTFIC", "TERMINAL", kInt, 0, 0},
    {"ESTFIC", "PET", kVarchar, 10, 0},     {"ESTFIC", "HORA", kVarchar, 20, 0},
    {"ESTFIC", "GCOL", kInt, 0, 0},         {"ESTFIC", "GROW", kInt, 0, 0},
    {"ESTFIC", "CUSTO", kFloat, 0, 0},      {"ESTFIC", "TABELA", kInt, 0, 0},
    {"SERVICOS", "ID", kInt, 0, 0},         {"SERVICOS", "NOME", kVarchar, 40, 0},
    {"SERVICOS", "VALOR", kInt64, 0, 4},    {"SERVICOS", "RESERVA", kInt, 0, 0},
    {"SERVICOS", "DATA", kDate, 0, 0},
    {"CONSUMO", "ID", kInt, 0, 0},          {"CONSUMO", "CODIGO", kVarchar, 14, 0},
    {"CONSUMO", "QUARTO", kVarchar, 10, 0}, {"CONSUMO", "QUANT", kInt64, 0, 4},
    {"CONSUMO", "VALOR", kInt64, 0, 4},     {"CONSUMO", "NOME", kVarchar, 35, 0},
    {"CAIXA", "ID", kInt, 0, 0},            {"CAIXA", "DATA", kDate, 0, 0},
    {"CAIXA", "VALOR", kInt64, 0, 4},       {"CAIXA", "ATEND", kVarchar, 15, 0},
    {"FINANCEIRO", "ID", kInt, 0, 0},       {"FINANCEIRO", "DATA", kDate, 0, 0},
    {"FINANCEIRO", "HORA", kTime, 0, 0},    {"FINANCEIRO", "CREDITO", kFloat, 0, 0},
    {"FINANCEIRO", "DEBITO", kFloat, 0, 0}, {"FINANCEIRO", "VALOR", kFloat, 0, 0},
    {"FINANCEIRO", "HISTORICO", kVarchar, 40, 0}, {"FINANCEIRO", "RESERVA", kInt, 0, 0},
    {"FINANCEIRO", "CLIENTE", kInt, 0, 0},  {"FINANCEIRO", "PERMANENCIA", kVarchar, 38, 0},
    {"FINANCEIRO", "TIPO", kInt, 0, 0},     {"FINANCEIRO", "ATENDENTE", kVarchar, 15, 0},
    {"FINANCEIRO", "CAIXA", kInt, 0, 0},    {"FINANCEIRO", "NOTA", kInt, 0, 0},
    {"FORMAPAGA", "ID", kInt, 0, 0},        {"FORMAPAGA", "NOME", kVarchar, 40, 0},
    {"FORMAPAGA", "VALOR", kFloat, 0, 0},   {"FORMAPAGA", "CD", kInt, 0, 0},
    {"HISTORICO", "ID", kInt, 0, 0},        {"HISTORICO", "HORA", kVarchar, 20, 0},
    {"HISTORICO", "OPERADOR", kVarchar, 15, 0}, {"HISTORICO", "ACAO", kVarchar, 100, 0},
};

} // namespace

class SchemaTest : public ::testing::Test
{
protected:
    test::TestSite site;
    std::unique_ptr<Connection> conn = site.connect();
};

TEST_F(SchemaTest, EveryColumnHasItsKindAndWidth)
{
    const auto rs = conn->execute(QStringLiteral(
        "select trim(rf.rdb$relation_name), trim(rf.rdb$field_name), f.rdb$field_type, "
        "coalesce(f.rdb$character_length, 0), -coalesce(f.rdb$field_scale, 0), rf.rdb$null_flag "
        "from rdb$relation_fields rf join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
        "where coalesce(rf.rdb$system_flag, 0) = 0"));
    QHash<QString, QList<QVariant>> found;
    for (const auto &row : rs.rows)
        found.insert(row[0].toString() + u'.' + row[1].toString(), row);
    for (const ColumnKind &k : kSchema) {
        const QString key = QString::fromLatin1(k.table) + u'.' + QString::fromLatin1(k.column);
        SCOPED_TRACE(key.toStdString());
        ASSERT_TRUE(found.contains(key));
        const auto &row = found.value(key);
        EXPECT_EQ(row[2].toInt(), k.fieldType);
        if (k.fieldType == kVarchar) {
            EXPECT_EQ(row[3].toInt(), k.length);
        }
        EXPECT_EQ(row[4].toInt(), k.scale);
        if (QLatin1String(k.column) == QLatin1String("ID")) {
            EXPECT_EQ(row[5].toInt(), 1) << "ID must be not null";
        }
    }
    // Nothing more than the tables of the system (GeraID is the one-row helper).
    for (const QString &key : found.keys()) {
        if (key.startsWith(QLatin1String("GERAID.")))
            continue;
        bool listed = false;
        for (const ColumnKind &k : kSchema)
            listed = listed || key == QString::fromLatin1(k.table) + u'.' + QString::fromLatin1(k.column);
        EXPECT_TRUE(listed) << key.toStdString();
    }
}

TEST_F(SchemaTest, DatabaseIsUtf8)
{
    const auto rs = conn->execute(QStringLiteral("select trim(rdb$character_set_name) from rdb$database"));
    EXPECT_EQ(rs.rows.at(0).at(0).toString(), QStringLiteral("UTF8"));
}

TEST_F(SchemaTest, GeneratorsAdvanceThroughTheOneRowTable)
{
    for (const char *gen : {"CLIENTES", "SENHA", "RESERVA", "CATEGORIA", "TIPORESERVA", "PRODUTOS", "TIPOS",
                            "FORNECEDOR", "ESTFIC", "CONSUMO", "CAIXA", "FINANCEIRO", "FORMAPAGA", "HISTORICO"}) {
        SCOPED_TRACE(gen);
        const QString next = QStringLiteral("select gen_id(%1, 1) as teste from GeraID").arg(QLatin1String(gen));
        const auto a = conn->execute(next);
        const auto b = conn->execute(next);
        ASSERT_EQ(a.rows.size(), 1);
        EXPECT_EQ(b.rows[0][0].toLongLong(), a.rows[0][0].toLongLong() + 1);
        const auto last = conn->execute(QStringLiteral("select gen_id(%1, 0) from GeraID").arg(QLatin1String(gen)));
        EXPECT_EQ(last.rows[0][0].toLongLong(), b.rows[0][0].toLongLong());
    }
    const auto cash = conn->execute(QStringLiteral("select GEN_ID(CAIXA, 1) as ID from RDB$DATABASE"));
    EXPECT_EQ(cash.rows.size(), 1);
}

TEST_F(SchemaTest, GeraIdKeepsExactlyOneRow)
{
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from GeraID")).rows[0][0].toInt(), 1);
    EXPECT_THROW(conn->execute(QStringLiteral("insert into GeraID (ID) values (2)")), DbError);
    EXPECT_THROW(conn->execute(QStringLiteral("delete from GeraID")), DbError);
    EXPECT_EQ(conn->execute(QStringLiteral("select count(*) from GeraID")).rows[0][0].toInt(), 1);
}

TEST_F(SchemaTest, RoomInsertedWithoutIdGetsOne)
{
    conn->execute(QStringLiteral("insert into QUARTOS (NOME, CODIGO, BLOQUEADO) values ('A', '0001', 0)"));
    conn->execute(QStringLiteral("insert into QUARTOS (NOME, CODIGO, BLOQUEADO) values ('B', '0002', 0)"));
    const auto rs = conn->execute(QStringLiteral("select ID from QUARTOS order by CODIGO"));
    ASSERT_EQ(rs.rows.size(), 2);
    EXPECT_FALSE(rs.rows[0][0].isNull());
    EXPECT_NE(rs.rows[0][0].toInt(), rs.rows[1][0].toInt());
}

TEST_F(SchemaTest, SeedsCompanyAndOneFullAccessUser)
{
    const auto company = conn->execute(QStringLiteral("select EMPRESA, ESTADO, CAIXA from EMPRESA"));
    ASSERT_EQ(company.rows.size(), 1);
    EXPECT_EQ(company.rows[0][0].toString(), QStringLiteral("POUSADA TESTE"));
    EXPECT_EQ(company.rows[0][1].toString(), QStringLiteral("RJ"));
    EXPECT_EQ(company.rows[0][2].toInt(), 0);
    const auto users = conn->execute(QStringLiteral("select NOME, SENHA, SISTEMA from SORQUIL"));
    ASSERT_EQ(users.rows.size(), 1);
    EXPECT_EQ(users.rows[0][0].toString(), QStringLiteral("ADMIN"));
    EXPECT_EQ(users.rows[0][2].toInt(), 0);
}

