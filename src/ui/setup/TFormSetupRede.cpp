#include "TFormSetupRede.h"
#include "ui/common/FormParts.h"

#include "data/NetworkSettings.h"
#include "ui/common/Appearance.h"
#include "ui/common/Arredondador.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/MessageBoxes.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

namespace {
const QString kLocal = QStringLiteral("127.0.0.1");
}

TFormSetupRede::TFormSetupRede(const QString &home, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_home(home)
{
    setObjectName(QStringLiteral("FormSetupRede"));
    setWindowTitle(QStringLiteral("Configuração de rede"));
    setModal(true);
    setMinimumWidth(520);

    auto *outerLayout = new QVBoxLayout(this);
    outerLayout->setContentsMargins(0, 0, 0, 0);
    pnlOuter = new QFrame(this);
    pnlOuter->setObjectName(QStringLiteral("pnlOuter"));
    outerLayout->addWidget(pnlOuter);
    auto *layout = new QVBoxLayout(pnlOuter);
    layout->setContentsMargins(3, 3, 3, 3);

    pnlHeader = new QLabel(QStringLiteral("CONFIGURACAO DE REDE"), pnlOuter);
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    pnlHeader->setAlignment(Qt::AlignCenter);
    pnlHeader->setMinimumHeight(36);
    pnlHeader->installEventFilter(this);
    QFont headerFont = pnlHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSize(12);
    pnlHeader->setFont(headerFont);
    layout->addWidget(pnlHeader);

    // The content sits on its own panel in the body colour, inside the border colour.
    pnlContent = new QFrame(pnlOuter);
    pnlContent->setObjectName(QStringLiteral("pnlContent"));
    layout->addWidget(pnlContent, 1);
    auto *body = new QVBoxLayout(pnlContent);
    body->setContentsMargins(16, 8, 16, 12);

    lblDescription = new QLabel(QStringLiteral("Escolha como este computador será usado. Em um terminal, informe o "
                                               "endereço do computador servidor."),
                                pnlOuter);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    body->addWidget(lblDescription);

    rgComputerType = new QGroupBox(QStringLiteral("Este computador é:"), pnlOuter);
    rgComputerType->setObjectName(QStringLiteral("rgComputerType"));
    auto *choices = new QHBoxLayout(rgComputerType);
    rbTerminal = new QRadioButton(QStringLiteral("Terminal"), rgComputerType);
    rbTerminal->setObjectName(QStringLiteral("rgComputerType0"));
    rbServidor = new QRadioButton(QStringLiteral("Servidor"), rgComputerType);
    rbServidor->setObjectName(QStringLiteral("rgComputerType1"));
    m_choice = new QButtonGroup(this);
    m_choice->addButton(rbTerminal, Terminal);
    m_choice->addButton(rbServidor, Servidor);
    choices->addWidget(rbTerminal);
    choices->addWidget(rbServidor);
    body->addWidget(rgComputerType);

    lblServerIP = new QLabel(QStringLiteral("IPv4 do computador servidor"), pnlOuter);
    lblServerIP->setObjectName(QStringLiteral("lblServerIP"));
    edtServerIP = new QLineEdit(pnlOuter);
    edtServerIP->setObjectName(QStringLiteral("edtServerIP"));
    edtServerIP->setMaxLength(15);
    edtServerIP->setAccessibleName(lblServerIP->text());
    edtServerIP->installEventFilter(this);
    lblServerIP->setBuddy(edtServerIP);
    lblIPHint = new QLabel(pnlOuter);
    lblIPHint->setObjectName(QStringLiteral("lblIPHint"));
    body->addWidget(lblServerIP);
    body->addWidget(edtServerIP);
    body->addWidget(lblIPHint);

    pnlModeInfo = new QFrame(pnlOuter);
    pnlModeInfo->setObjectName(QStringLiteral("pnlModeInfo"));
    pnlModeInfo->setFrameShape(QFrame::StyledPanel);
    auto *info = new QVBoxLayout(pnlModeInfo);
    lblModeInfoTitle = new QLabel(pnlModeInfo);
    lblModeInfoTitle->setObjectName(QStringLiteral("lblModeInfoTitle"));
    QFont bold = lblModeInfoTitle->font();
    bold.setBold(true);
    lblModeInfoTitle->setFont(bold);
    lblModeInfo = new QLabel(pnlModeInfo);
    lblModeInfo->setObjectName(QStringLiteral("lblModeInfo"));
    lblModeInfo->setWordWrap(true);
    info->addWidget(lblModeInfoTitle);
    info->addWidget(lblModeInfo);
    body->addWidget(pnlModeInfo);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    btnCancel = ui::namedButton(pnlOuter, QStringLiteral("btnCancel"), QStringLiteral("VOLTAR"));
    btnCancel->setAutoDefault(false);
    btnSave = ui::namedButton(pnlOuter, QStringLiteral("btnSave"), QStringLiteral("SALVAR CONFIGURAÇÃO"));
    btnSave->setDefault(true);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnSave);
    body->addSpacing(8);
    body->addLayout(buttons);

    connect(btnSave, &QPushButton::clicked, this, &TFormSetupRede::btnSaveClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_choice, &QButtonGroup::idClicked, this, [this](int) { applyMode(true); });

    loadCurrentSetting();
    applyMode(false);
}

TFormSetupRede::Mode TFormSetupRede::mode() const
{
    return m_choice->checkedId() == Servidor ? Servidor : Terminal;
}

void TFormSetupRede::loadCurrentSetting()
{
    const QString path = data::findNetworkSettingsFile(m_home);
    if (path.isEmpty()) {
        rbServidor->setChecked(true);
        edtServerIP->setText(kLocal);
        return;
    }
    QString error;
    const data::NetworkSettings s = data::readNetworkSettings(m_home, &error);
    if (!error.isEmpty()) {
        warning(this, QStringLiteral("Não foi possível ler a configuração de rede.\n\n") + error
                          + QStringLiteral("\n\nA configuração padrão de servidor será exibida."));
        rbServidor->setChecked(true);
        edtServerIP->setText(kLocal);
        return;
    }
    edtServerIP->setText(s.serverAddress);
    if (s.role == QLatin1String("1")) {
        rbServidor->setChecked(true);
    } else {
        rbTerminal->setChecked(true);
        FTerminalIP = s.serverAddress;
    }
}

void TFormSetupRede::applyMode(bool fromClick)
{
    if (mode() == Terminal) {
        if (edtServerIP->text().trimmed().compare(kLocal, Qt::CaseInsensitive) == 0)
            edtServerIP->setText(FTerminalIP);
        lblModeInfoTitle->setText(QStringLiteral("Computador terminal"));
        lblModeInfo->setText(QStringLiteral("Informe o IPv4 do computador servidor na rede local. O servidor deve "
                                            "estar ligado e acessível por este terminal."));
        lblIPHint->setText(QStringLiteral("Exemplo: 192.168.1.10"));
        lblServerIP->setEnabled(true);
        edtServerIP->setEnabled(true);
        if (fromClick && isVisible()) {
            edtServerIP->setFocus();
            edtServerIP->selectAll();
        }
    } else {
        if (edtServerIP->text() != kLocal)
            FTerminalIP = edtServerIP->text().trimmed();
        edtServerIP->setText(kLocal);
        lblModeInfoTitle->setText(QStringLiteral("Computador servidor"));
        lblModeInfo->setText(QStringLiteral("O endereço local será usado automaticamente. Verifique se o Firebird "
                                            "está instalado e se a porta TCP 3050 está liberada no Firewall do Windows."));
        lblIPHint->setText(QStringLiteral("Endereço local definido automaticamente."));
        lblServerIP->setEnabled(false);
        edtServerIP->setEnabled(false);
    }
}

void TFormSetupRede::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const Appearance &a = appearance();
    setBackgroundColour(pnlOuter, a.CorBorda);
    pnlHeader->setStyleSheet(QStringLiteral("background: %1; color: white;").arg(toQColor(a.CorTitulo).name()));
    setBackgroundColour(pnlContent, a.CorFundo);
    setBackgroundColour(pnlModeInfo, a.CorFundo);
    ArredondarPainel(pnlOuter);
    ArredondarForm(this);
    if (edtServerIP->isEnabled()) {
        edtServerIP->setFocus();
        edtServerIP->selectAll();
    } else {
        btnSave->setFocus();
    }
}

bool TFormSetupRede::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtServerIP && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        // Digits and "." only; control keys (backspace, arrows) pass.
        if (!text.isEmpty() && text[0].isPrint()) {
            for (const QChar c : text)
                if (!(c.isDigit() && c.unicode() < 128) && c != u'.')
                    return true;
        }
    }
    if (watched == pnlHeader) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *m = static_cast<QMouseEvent *>(event);
            if (m->button() == Qt::LeftButton)
                m_dragOffset = m->globalPosition().toPoint() - frameGeometry().topLeft();
        } else if (event->type() == QEvent::MouseMove) {
            const auto *m = static_cast<QMouseEvent *>(event);
            if (m->buttons() & Qt::LeftButton)
                move(m->globalPosition().toPoint() - m_dragOffset);
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<QString> TFormSetupRede::normaliseIPv4(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    QStringList numbers;
    for (const QString &part : parts) {
        if (part.isEmpty())
            return std::nullopt;
        int n = 0;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            n = n * 10 + (c.unicode() - u'0');
            if (n > 255) // leading zeros are fine, a large value is not
                return std::nullopt;
        }
        numbers << QString::number(n);
    }
    return numbers.join(u'.');
}

void TFormSetupRede::refuse(const QString &text, bool selectAll)
{
    warning(this, text);
    edtServerIP->setFocus();
    if (selectAll)
        edtServerIP->selectAll();
}

bool TFormSetupRede::validateInput(QString &address, bool &server)
{
    if (mode() == Servidor) {
        address = kLocal;
        server = true;
        return true;
    }
    if (edtServerIP->text().trimmed().isEmpty()) {
        refuse(QStringLiteral("Informe o endereço IPv4 do computador servidor."), false);
        return false;
    }
    const auto normalised = normaliseIPv4(edtServerIP->text());
    if (!normalised) {
        refuse(QStringLiteral("O endereço informado não é um IPv4 válido.\nUse quatro números entre 0 e 255, por "
                              "exemplo: 192.168.1.10."),
               true);
        return false;
    }
    if (normalised->startsWith(QLatin1String("127.")) || *normalised == QLatin1String("0.0.0.0")
        || *normalised == QLatin1String("255.255.255.255")) {
        refuse(QStringLiteral("Esse endereço aponta para o próprio terminal.\nInforme o IPv4 do computador servidor "
                              "na rede local."),
               true);
        return false;
    }
    edtServerIP->setText(*normalised);
    FTerminalIP = *normalised;
    address = *normalised;
    server = false;
    return true;
}

void TFormSetupRede::btnSaveClick()
{
    QString address;
    bool server = false;
    if (!validateInput(address, server))
        return;
    const QString error = data::writeNetworkSettings(
        m_home, {address, server ? QStringLiteral("1") : QStringLiteral("0")});
    if (!error.isEmpty()) {
        critical(this, QStringLiteral("Não foi possível salvar a configuração de rede.\n\n") + error);
        return;
    }
    information(this, QStringLiteral("Configuração de rede salva com sucesso.\nO sistema será encerrado para aplicar "
                                     "a nova configuração."));
    accept();
}

} // namespace ui
