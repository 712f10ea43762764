#include "DemoData.h"

#include "platform/db/Connection.h"

#include <QDate>

namespace site {

using db::BoundValue;
using db::Decimal;

namespace {

struct Category
{
    const char *name;
    float firstDay;
    float furtherDay;
};

struct Room
{
    const char *code;
    const char *name;
    int category; // index into the categories
};

struct Product
{
    const char *name;
    int group;
    qint64 priceCents;
    qint64 costCents;
    int stock;
    const char *unit;
};

struct Guest
{
    const char *name;
    const char *cpf;
    const char *city;
    const char *state;
    const char *phone;
    QDate birth;
};

} // namespace

void insertDemoData(db::Connection &conn)
{
    const Category categories[] = {
        {"STANDARD", 180.0f, 150.0f},
        {"LUXO", 260.0f, 220.0f},
        {"SUITE MASTER", 380.0f, 320.0f},
    };
    QList<int> categoryIds;
    for (const Category &c : categories) {
        const auto rs = conn.execute(QStringLiteral("select gen_id(CATEGORIA, 1) as teste from GeraID"));
        const int id = rs.rows.at(0).at(0).toInt();
        categoryIds << id;
        conn.execute(QStringLiteral("insert into CATEGORIA (ID, NOME, VALOR, ADCIONAL) values (:ID, :NOME, :VALOR, :ADCIONAL)"),
                     {{QStringLiteral("ID"), BoundValue::integer(id)},
                      {QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(c.name))},
                      {QStringLiteral("VALOR"), BoundValue::floating(c.firstDay)},
                      {QStringLiteral("ADCIONAL"), BoundValue::floating(c.furtherDay)}});
    }

    const Room rooms[] = {
        {"0101", "QUARTO 101", 0}, {"0102", "QUARTO 102", 0}, {"0103", "QUARTO 103", 0},
        {"0104", "QUARTO 104", 0}, {"0105", "QUARTO 105", 0}, {"0201", "QUARTO 201", 1},
        {"0202", "QUARTO 202", 1}, {"0203", "QUARTO 203", 1}, {"0204", "QUARTO 204", 1},
        {"0301", "SUITE 301", 2},  {"0302", "SUITE 302", 2},  {"0303", "SUITE 303", 2},
    };
    for (const Room &r : rooms) {
        conn.execute(QStringLiteral("insert into QUARTOS (NOME, CATEGORIA, BLOQUEADO, DIARIA, DESCRICAO, CODIGO, NOTA) "
                                    "values (:NOME, :CATEGORIA, 0, 0, :DESCRICAO, :CODIGO, 0)"),
                     {{QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(r.name))},
                      {QStringLiteral("CATEGORIA"), BoundValue::integer(categoryIds[r.category])},
                      {QStringLiteral("DESCRICAO"),
                       BoundValue::string(QStringLiteral("Apartamento %1, categoria %2")
                                              .arg(QString::fromUtf8(r.name), QString::fromUtf8(categories[r.category].name)))},
                      {QStringLiteral("CODIGO"), BoundValue::string(QString::fromUtf8(r.code))}});
    }

    for (const char *method : {"DINHEIRO", "CARTÃO DE CRÉDITO", "PIX"}) {
        conn.execute(QStringLiteral("insert into FORMAPAGA (ID, NOME, VALOR, CD) values (GEN_ID(FORMAPAGA,1), :NOME, 0, 0)"),
                     {{QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(method))}});
    }

    QList<int> groupIds;
    int groupCode = 1;
    for (const char *group : {"BEBIDAS", "ALIMENTOS", "HIGIENE"}) {
        const auto rs = conn.execute(QStringLiteral("select gen_id(TIPOS, 1) as teste from GeraID"));
        const int id = rs.rows.at(0).at(0).toInt();
        groupIds << id;
        conn.execute(QStringLiteral("insert into TIPOS (ID, CODIGO, NOME, QUANT, VALOR) values (:ID, :CODIGO, :NOME, 0, 0)"),
                     {{QStringLiteral("ID"), BoundValue::integer(id)},
                      {QStringLiteral("CODIGO"), BoundValue::integer(groupCode++)},
                      {QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(group))}});
    }

    const auto supplier = conn.execute(QStringLiteral("select gen_id(FORNECEDOR, 1) as teste from GeraID"));
    const int supplierId = supplier.rows.at(0).at(0).toInt();
    conn.execute(QStringLiteral("insert into FORNECEDOR (ID, CODIGO, NOME, CIDADE, ESTADO, FONE, CONTATO) "
                                "values (:ID, :ID, 'DISTRIBUIDORA LITORAL LTDA', 'PARATY', 'RJ', '(24) 3371-0000', 'MARCOS')"),
                 {{QStringLiteral("ID"), BoundValue::integer(supplierId)}});

    const Product products[] = {
        {"ÁGUA MINERAL 500ML", 0, 500, 150, 48, "UN"},      {"REFRIGERANTE LATA", 0, 700, 280, 36, "UN"},
        {"CERVEJA LONG NECK", 0, 1200, 550, 48, "UN"},      {"SUCO DE LARANJA 300ML", 0, 900, 380, 24, "UN"},
        {"ÁGUA DE COCO", 0, 800, 320, 24, "UN"},            {"CHOCOLATE 90G", 1, 1000, 450, 20, "UN"},
        {"AMENDOIM TORRADO", 1, 600, 220, 20, "PC"},        {"BATATA CHIPS", 1, 1100, 480, 15, "PC"},
        {"ESCOVA DE DENTES", 2, 900, 350, 10, "UN"},        {"PROTETOR SOLAR FPS 50", 2, 4500, 2600, 6, "UN"},
    };
    const QDate today = QDate::currentDate();
    int code = 1;
    for (const Product &p : products) {
        const auto rs = conn.execute(QStringLiteral("select gen_id(PRODUTOS, 1) as teste from GeraID"));
        const int id = rs.rows.at(0).at(0).toInt();
        const Decimal price(p.priceCents, 2), cost(p.costCents, 2), stock(p.stock, 0);
        conn.execute(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, VALOR, UNIDADE, CUSTO, MEDIO, "
                                    "FORNECEDOR, ESTGERAL) values (:ID, :CODIGO, :NOME, :CLASSE, :VALOR, :UNIDADE, "
                                    ":CUSTO, :CUSTO, :FORNECEDOR, :ESTGERAL)"),
                     {{QStringLiteral("ID"), BoundValue::integer(id)},
                      {QStringLiteral("CODIGO"), BoundValue::integer(code)},
                      {QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(p.name))},
                      {QStringLiteral("CLASSE"), BoundValue::integer(groupIds[p.group])},
                      {QStringLiteral("VALOR"), BoundValue::decimal(price)},
                      {QStringLiteral("UNIDADE"), BoundValue::string(QString::fromUtf8(p.unit))},
                      {QStringLiteral("CUSTO"), BoundValue::decimal(cost)},
                      {QStringLiteral("FORNECEDOR"), BoundValue::integer(supplierId)},
                      {QStringLiteral("ESTGERAL"), BoundValue::decimal(stock)}});
        // The opening stock as a ledger line, so the stock card adds up to ESTGERAL.
        conn.execute(QStringLiteral("insert into ESTFIC (ID, CODIGO, DATA, HISTORICO, ENTRADA, SAIDA, VALOR, CUSTO) "
                                    "values (GEN_ID(ESTFIC,1), :CODIGO, :DATA, 'Estoque Inicial', :ENTRADA, 0, :VALOR, :CUSTO)"),
                     {{QStringLiteral("CODIGO"), BoundValue::string(QString::number(code))},
                      {QStringLiteral("DATA"), BoundValue::date(today)},
                      {QStringLiteral("ENTRADA"), BoundValue::decimal(stock)},
                      {QStringLiteral("VALOR"), BoundValue::decimal(cost)},
                      {QStringLiteral("CUSTO"), BoundValue::floating(static_cast<float>(cost.toDouble()))}});
        ++code;
    }

    const Guest guests[] = {
        {"ANA PAULA FERREIRA", "123.456.789-09", "SÃO PAULO", "SP", "(11) 98765-4321", QDate(1985, 3, 14)},
        {"JOÃO CARLOS SILVA", "987.654.321-00", "BELO HORIZONTE", "MG", "(31) 99876-5432", QDate(1972, 11, 2)},
        {"MARIANA COSTA LIMA", "111.444.777-35", "CURITIBA", "PR", "(41) 99123-4567", QDate(1990, 7, 21)},
        {"ROBERTO ALMEIDA", "529.982.247-25", "RIO DE JANEIRO", "RJ", "(21) 98888-1234", QDate(1968, 1, 30)},
        {"LUCIANA NOGUEIRA", "714.286.355-10", "SALVADOR", "BA", "(71) 99654-3210", QDate(1995, 9, 5)},
    };
    for (const Guest &g : guests) {
        const auto rs = conn.execute(QStringLiteral("select gen_id(CLIENTES, 1) as teste from GeraID"));
        conn.execute(QStringLiteral("insert into CLIENTES (ID, NOME, CIDADE, ESTADO, CNPJ, FONE, NASCIMENTO, "
                                    "NACIONALIDADE, PAIS) values (:ID, :NOME, :CIDADE, :ESTADO, :CNPJ, :FONE, "
                                    ":NASCIMENTO, 'BRASILEIRA', 'BRASIL')"),
                     {{QStringLiteral("ID"), BoundValue::integer(rs.rows.at(0).at(0).toInt())},
                      {QStringLiteral("NOME"), BoundValue::string(QString::fromUtf8(g.name))},
                      {QStringLiteral("CIDADE"), BoundValue::string(QString::fromUtf8(g.city))},
                      {QStringLiteral("ESTADO"), BoundValue::string(QString::fromUtf8(g.state))},
                      {QStringLiteral("CNPJ"), BoundValue::string(QString::fromUtf8(g.cpf))},
                      {QStringLiteral("FONE"), BoundValue::string(QString::fromUtf8(g.phone))},
                      {QStringLiteral("NASCIMENTO"), BoundValue::date(g.birth)}});
    }

    conn.execute(QStringLiteral("insert into TIPORESERVA (ID, NOME, TAXA, COMISSAO, FONE, CONTATO, OBS) values "
                                "(GEN_ID(TIPORESERVA,1), 'AGÊNCIA MAR AZUL TURISMO', 0, 0, '(24) 3371-5555', "
                                "'FERNANDA', 'Tarifa acordada para grupos de agência')"));
}

} // namespace site
