#include "host/HostRequests.h"

#include "flow/AdditionFlow.h"
#include "host/HostManifests.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <optional>

namespace {

const QString Ok = QStringLiteral("ok");
const QString Kind = QStringLiteral("kind");
const QString Message = QStringLiteral("message");

QString kindName(AdditionFlow::Kind kind)
{
    switch (kind) {
    case AdditionFlow::Kind::Done: return QStringLiteral("done");
    case AdditionFlow::Kind::Refused: return QStringLiteral("refused");
    case AdditionFlow::Kind::NoFile: return QStringLiteral("noFile");
    case AdditionFlow::Kind::FileProblem: return QStringLiteral("fileProblem");
    case AdditionFlow::Kind::Changed: return QStringLiteral("changed");
    case AdditionFlow::Kind::AlreadyThere: return QStringLiteral("alreadyThere");
    case AdditionFlow::Kind::NotYet: return QStringLiteral("notYet");
    }
    return QStringLiteral("fileProblem");
}

QJsonObject reply(const AdditionFlow::Outcome &outcome)
{
    return {{Ok, outcome.ok()}, {Kind, kindName(outcome.kind)}, {Message, outcome.message}};
}

// The version of the file a tree was read from, handed to the extension and
// back with an addition, so that an index is never used in another version.
QString identityText(const FileIdentity &identity)
{
    return QStringLiteral("%1:%2:%3:%4").arg(identity.size).arg(identity.mtimeNs).arg(identity.inode).arg(identity.device);
}

std::optional<FileIdentity> identityFrom(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 4)
        return {};
    FileIdentity identity;
    bool ok[4];
    identity.size = parts[0].toLongLong(&ok[0]);
    identity.mtimeNs = parts[1].toLongLong(&ok[1]);
    identity.inode = parts[2].toULongLong(&ok[2]);
    identity.device = parts[3].toULongLong(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return {};
    return identity;
}

// The fields of a request, each looked at once with its type; the first that
// is missing or of another type is what the reply names.
class Fields
{
public:
    explicit Fields(const QJsonObject &request) : m_request(request) {}

    QString text(const QString &name, bool required = true)
    {
        const QJsonValue value = m_request.value(name);
        if (value.isString())
            return value.toString();
        complain(name, value, required, QStringLiteral("text"));
        return {};
    }
    qint32 number(const QString &name, qint32 fallback)
    {
        const QJsonValue value = m_request.value(name);
        const double number = value.toDouble(-2);
        if (value.isDouble() && number == qint32(number) && number >= -1)
            return qint32(number);
        complain(name, value, true, QCoreApplication::translate("HostRequests", "a whole number from -1 up"));
        return fallback;
    }
    bool has(const QString &name) const { return m_request.contains(name); }
    const QString &problem() const { return m_problem; }

private:
    void complain(const QString &name, const QJsonValue &value, bool required, const QString &type)
    {
        if (!m_problem.isEmpty() || (value.isUndefined() && !required))
            return;
        m_problem = value.isUndefined() ? QCoreApplication::translate("HostRequests", "The request has no \"%1\".").arg(name)
                                        : QCoreApplication::translate("HostRequests", "The request's \"%1\" must be %2.").arg(name, type);
    }

    const QJsonObject &m_request;
    QString m_problem;
};

} // namespace

QJsonObject HostRequests::error(const QString &kind, const QString &why)
{
    return {{Ok, false}, {Kind, kind}, {Message, why}};
}

QString HostRequests::refusal(const QStringList &arguments)
{
    // Firefox: the manifest's path, then the add-on's id. Chromium: the origin
    // first (and on some systems a window handle after it).
    if (arguments.value(0) == HostManifests::ChromiumOrigin
        || (arguments.size() >= 2 && arguments.at(1) == HostManifests::GeckoId))
        return {};
    return QCoreApplication::translate("HostRequests", "linkcrate-host answers only Linkcrate's browser extension, not \"%1\".")
        .arg(arguments.join(u' '));
}

QJsonObject HostRequests::handle(const QJsonObject &request)
{
    const QJsonValue name = request.value(QStringLiteral("request"));
    QJsonObject answer;
    if (name == QStringLiteral("ping"))
        answer = ping(request);
    else if (name == QStringLiteral("tree"))
        answer = tree(request);
    else if (name == QStringLiteral("check"))
        answer = check(request);
    else if (name == QStringLiteral("add"))
        answer = add(request);
    else if (name == QStringLiteral("undo"))
        answer = undo(request);
    else
        answer = error(QStringLiteral("badRequest"),
                       QCoreApplication::translate("HostRequests", "Unknown request \"%1\".").arg(name.isString() ? name.toString() : QStringLiteral("?")));
    // The extension matches replies to its requests by this, when it sends one.
    if (request.contains(QStringLiteral("id")))
        answer.insert(QStringLiteral("id"), request.value(QStringLiteral("id")));
    return answer;
}

QJsonObject HostRequests::ping(const QJsonObject &)
{
    return {{Ok, true}, {Kind, kindName(AdditionFlow::Kind::Done)}, {QStringLiteral("version"), QCoreApplication::applicationVersion()},
            {QStringLiteral("protocol"), 1}};
}

// The folders as parent index and name, in file order: short enough for the
// browsers' limit on a reply with twenty thousand folders, and the extension
// builds the paths.
QJsonObject HostRequests::tree(const QJsonObject &)
{
    const AdditionFlow::OpenOutcome opened = m_flow.open({});
    if (!opened.ok())
        return reply(opened);
    const FolderCatalogue &catalogue = m_flow.catalogue();
    QJsonArray folders;
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        folders.append(QJsonArray{catalogue.parent(i), catalogue.displayName(i)});
    QJsonArray recent;
    for (const AdditionFlow::FolderPlace &place : m_flow.recentFolders()) {
        const qint32 index = m_flow.indexOf(place);
        if ((index != FolderCatalogue::Root || place.path.isEmpty()) && !recent.contains(index))
            recent.append(index);
    }
    QJsonObject answer = reply(opened);
    answer.insert(QStringLiteral("recovery"), opened.recovery.message);
    answer.insert(QStringLiteral("file"), m_flow.file());
    answer.insert(QStringLiteral("identity"), identityText(catalogue.identity()));
    answer.insert(QStringLiteral("folders"), folders);
    answer.insert(QStringLiteral("last"), m_flow.indexOf(m_flow.lastFolder()));
    answer.insert(QStringLiteral("recent"), recent);
    return answer;
}

QJsonObject HostRequests::check(const QJsonObject &request)
{
    Fields fields(request);
    const QString address = fields.text(QStringLiteral("address"));
    if (!fields.problem().isEmpty())
        return error(QStringLiteral("badRequest"), fields.problem());
    const AdditionFlow::OpenOutcome opened = m_flow.open({});
    if (!opened.ok())
        return reply(opened);
    const AdditionFlow::Holders holders = m_flow.alreadyIn(address);
    QJsonArray folders;
    for (const qint32 folder : holders.folders)
        folders.append(folder);
    QJsonObject answer = reply(opened);
    answer.insert(QStringLiteral("address"), holders.address);
    answer.insert(QStringLiteral("identity"), identityText(m_flow.catalogue().identity()));
    answer.insert(QStringLiteral("folders"), folders);
    return answer;
}

QJsonObject HostRequests::add(const QJsonObject &request)
{
    Fields fields(request);
    AdditionFlow::AddRequest addition;
    addition.titles = AdditionFlow::Titles::FromPage;
    addition.text = fields.text(QStringLiteral("title"));
    addition.address = fields.text(QStringLiteral("address"));
    addition.newFolder = fields.text(QStringLiteral("newFolder"), false);
    if (fields.has(QStringLiteral("path"))) {
        addition.folder.by = AdditionFlow::FolderChoice::By::Place;
        const QString path = fields.text(QStringLiteral("path"));
        addition.folder.place.path = path.isEmpty() ? QStringList() : path.split(u'/');
        addition.folder.place.rank = fields.has(QStringLiteral("rank")) ? fields.number(QStringLiteral("rank"), 0) : 0;
    } else {
        // The tree gives -1 for the top of the file, as the folder list does.
        const qint32 index = fields.number(QStringLiteral("folder"), FolderCatalogue::Root);
        const QString identity = fields.text(QStringLiteral("identity"));
        addition.folder = AdditionFlow::FolderChoice::ofIndex(index, identityFrom(identity));
        if (fields.problem().isEmpty() && !addition.folder.readFrom)
            return error(QStringLiteral("badRequest"), QCoreApplication::translate("HostRequests", "The request's \"identity\" is not one the tree gave."));
    }
    if (!fields.problem().isEmpty())
        return error(QStringLiteral("badRequest"), fields.problem());

    const AdditionFlow::OpenOutcome opened = m_flow.open({});
    if (!opened.ok())
        return reply(opened);
    // A path names the top of the file when empty, and otherwise must name a
    // folder that is there: it never falls back to the top.
    if (addition.folder.by == AdditionFlow::FolderChoice::By::Place) {
        const qint32 index = m_flow.indexOf(addition.folder.place);
        if (index == FolderCatalogue::Root && !addition.folder.place.path.isEmpty())
            return reply({AdditionFlow::Kind::FileProblem,
                          QCoreApplication::translate("HostRequests", "There is no folder \"%1\" in \"%2\".")
                              .arg(addition.folder.place.path.join(u'/'), m_flow.file())});
        addition.folder = AdditionFlow::FolderChoice::ofIndex(index, m_flow.catalogue().identity());
    }
    const AdditionFlow::AddOutcome added = m_flow.add(addition);
    QJsonObject answer = reply(added);
    if (added.ok()) {
        answer.insert(QStringLiteral("where"), added.where);
        answer.insert(QStringLiteral("folder"), added.folder);
        answer.insert(QStringLiteral("title"), added.text);
        answer.insert(QStringLiteral("address"), added.address);
    }
    return answer;
}

// Only an addition to the remembered file is undone here, whoever made it.
QJsonObject HostRequests::undo(const QJsonObject &)
{
    const AdditionFlow::OpenOutcome opened = m_flow.open({QString(), false});
    if (!opened.ok())
        return reply(opened);
    return reply(m_flow.undo({m_flow.file()}));
}
