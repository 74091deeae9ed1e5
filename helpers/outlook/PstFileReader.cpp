#include "PstFileReader.h"

#include "outlook/standin/ItemSchema.h"
#include "outlook/standin/LittleEndian.h"

#include <libpff.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::helpers {
namespace {

using namespace outlook::standin;

// Tags read off folders to find the default ones.
constexpr std::uint16_t kRecordKey = 0x0FF9;
constexpr std::uint16_t kContainerClass = 0x3613;
constexpr std::uint16_t kDisplayName = 0x3001;
constexpr std::uint16_t kBody = 0x1000;
constexpr std::uint16_t kIpmAppointmentEntryId = 0x36D0;
constexpr std::uint16_t kIpmContactEntryId = 0x36D1;
constexpr std::uint16_t kIpmNoteEntryId = 0x36D3;
constexpr std::uint16_t kIpmTaskEntryId = 0x36D4;
constexpr std::uint32_t kPtypBinary = 0x0102;
constexpr std::uint32_t kNodeTypeNormalMessage = 0x04;  // the low five bits of a node identifier

struct DefaultFolder {
    PstFolderKind Kind;
    std::uint16_t EntryIdTag;
    const char16_t* ContainerClass;
};

constexpr DefaultFolder kDefaults[] = {
    {PstFolderKind::Contacts, kIpmContactEntryId, u"IPF.Contact"},
    {PstFolderKind::Calendar, kIpmAppointmentEntryId, u"IPF.Appointment"},
    {PstFolderKind::Tasks, kIpmTaskEntryId, u"IPF.Task"},
    {PstFolderKind::Notes, kIpmNoteEntryId, u"IPF.StickyNote"},
};

std::string Message(libpff_error_t* error)
{
    if (error == nullptr)
        return "unknown error";
    char text[512] = {};
    libpff_error_sprint(error, text, sizeof text);
    libpff_error_free(&error);
    return text;
}

// An item handle freed with the item.
class Item {
public:
    Item() = default;
    explicit Item(libpff_item_t* item) : mItem(item) {}
    Item(Item&& other) noexcept : mItem(std::exchange(other.mItem, nullptr)) {}
    Item& operator=(Item&& other) noexcept
    {
        std::swap(mItem, other.mItem);
        return *this;
    }
    ~Item()
    {
        if (mItem != nullptr)
            libpff_item_free(&mItem, nullptr);
    }
    libpff_item_t* get() const { return mItem; }
    libpff_item_t** out() { return &mItem; }
    explicit operator bool() const { return mItem != nullptr; }

private:
    libpff_item_t* mItem = nullptr;
};

// Every property of the item's first record set; named properties by their set and name.
PstPropertySet PropertiesOf(libpff_item_t* item)
{
    PstPropertySet set;
    libpff_record_set_t* records = nullptr;
    if (libpff_item_get_record_set_by_index(item, 0, &records, nullptr) != 1)
        return set;
    int count = 0;
    libpff_record_set_get_number_of_entries(records, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_record_entry_t* entry = nullptr;
        if (libpff_record_set_get_entry_by_index(records, i, &entry, nullptr) != 1)
            continue;
        std::uint32_t entryType = 0;
        std::uint32_t valueType = 0;
        std::size_t size = 0;
        if (libpff_record_entry_get_entry_type(entry, &entryType, nullptr) == 1 &&
            libpff_record_entry_get_value_type(entry, &valueType, nullptr) == 1 &&
            libpff_record_entry_get_data_size(entry, &size, nullptr) == 1) {
            PstProperty p;
            p.Key.Tag = static_cast<std::uint16_t>(entryType);
            p.Type = static_cast<std::uint16_t>(valueType);
            libpff_name_to_id_map_entry_t* named = nullptr;
            if (entryType >= 0x8000 && libpff_record_entry_get_name_to_id_map_entry(entry, &named, nullptr) == 1) {
                std::uint8_t kind = 0;
                libpff_name_to_id_map_entry_get_type(named, &kind, nullptr);
                libpff_name_to_id_map_entry_get_guid(named, p.Key.Set.data(), p.Key.Set.size(), nullptr);
                p.Key.Tag = 0;  // a named property's identifier means nothing outside this file
                if (kind == LIBPFF_NAME_TO_ID_MAP_ENTRY_TYPE_NUMERIC) {
                    p.Key.Kind = PstKeyKind::NamedNumber;
                    libpff_name_to_id_map_entry_get_number(named, &p.Key.Number, nullptr);
                } else {
                    p.Key.Kind = PstKeyKind::NamedString;
                    std::size_t length = 0;
                    if (libpff_name_to_id_map_entry_get_utf16_string_size(named, &length, nullptr) == 1 && length > 0) {
                        std::vector<std::uint16_t> name(length);
                        if (libpff_name_to_id_map_entry_get_utf16_string(named, name.data(), length, nullptr) == 1)
                            for (std::size_t c = 0; c + 1 < length; ++c)
                                p.Key.Name.push_back(static_cast<char16_t>(name[c]));
                    }
                }
            }
            p.Value.resize(size);
            if (size == 0 || libpff_record_entry_get_data(entry, reinterpret_cast<std::uint8_t*>(p.Value.data()), size,
                                                          nullptr) == 1)
                set.push_back(std::move(p));
        }
        libpff_record_entry_free(&entry, nullptr);
    }
    libpff_record_set_free(&records, nullptr);
    return set;
}

const PstProperty* Find(const PstPropertySet& set, std::uint16_t tag)
{
    for (const PstProperty& p : set)
        if (p.Key.Kind == PstKeyKind::Tag && p.Key.Tag == tag)
            return &p;
    return nullptr;
}

// The node identifier an entry identifier names: its last four bytes (flags, provider, node).
std::optional<std::uint32_t> NodeOf(const PstProperty* entryId)
{
    if (entryId == nullptr || entryId->Value.size() != 24)
        return std::nullopt;
    return static_cast<std::uint32_t>(LeValue(std::string_view(entryId->Value).substr(20)));
}

struct Walk {
    libpff_file_t* File;
    std::array<std::optional<std::uint32_t>, 4> Named{};   // by entry identifier
    std::array<std::optional<std::uint32_t>, 4> ByClass{}; // first folder of the class
    int Depth = 0;
};

// Depth-first over the folder tree: entry identifiers from every folder that holds them (the
// root and the inbox do), and the first folder of each container class.
void Visit(Walk& walk, libpff_item_t* folder)
{
    if (walk.Depth > 64)  // a damaged tree that loops
        return;
    const PstPropertySet properties = PropertiesOf(folder);
    std::uint32_t id = 0;
    libpff_item_get_identifier(folder, &id, nullptr);
    const PstProperty* cls = Find(properties, kContainerClass);
    const std::u16string containerClass = cls != nullptr && cls->Type == PtypString ? TextOf(*cls) : u"";
    for (std::size_t k = 0; k < std::size(kDefaults); ++k) {
        if (!walk.Named[k])
            walk.Named[k] = NodeOf(Find(properties, kDefaults[k].EntryIdTag));
        if (!walk.ByClass[k] && !containerClass.empty() && containerClass == kDefaults[k].ContainerClass)
            walk.ByClass[k] = id;
    }
    int count = 0;
    if (libpff_folder_get_number_of_sub_folders(folder, &count, nullptr) != 1)
        return;
    for (int i = 0; i < count; ++i) {
        Item sub;
        if (libpff_folder_get_sub_folder(folder, i, sub.out(), nullptr) != 1)
            continue;
        ++walk.Depth;
        Visit(walk, sub.get());
        --walk.Depth;
    }
}

bool IsFolder(libpff_item_t* item)
{
    std::uint8_t type = 0;
    return libpff_item_get_type(item, &type, nullptr) == 1 && type == LIBPFF_ITEM_TYPE_FOLDER;
}

PstPropertySet MessageProperties(libpff_item_t* message)
{
    PstPropertySet set = PropertiesOf(message);
    std::uint32_t id = 0;
    libpff_item_get_identifier(message, &id, nullptr);
    PstProperty identifier;
    identifier.Key.Kind = PstKeyKind::Identifier;
    identifier.Type = PtypInteger32;
    PutLe(identifier.Value, id, 4);
    set.push_back(std::move(identifier));
    // Outlook often keeps only the RTF body: send it decompressed where no plain body exists.
    std::size_t size = 0;
    if (Find(set, kBody) == nullptr && libpff_message_get_rtf_body_size(message, &size, nullptr) == 1 && size > 0) {
        PstProperty rtf;
        rtf.Key.Kind = PstKeyKind::RtfText;
        rtf.Type = kPtypBinary;
        rtf.Value.resize(size);
        if (libpff_message_get_rtf_body(message, reinterpret_cast<std::uint8_t*>(rtf.Value.data()), size, nullptr) == 1) {
            while (!rtf.Value.empty() && rtf.Value.back() == '\0')
                rtf.Value.pop_back();
            set.push_back(std::move(rtf));
        }
    }
    return set;
}

PstFolder ReadFolder(libpff_item_t* folder, PstFolderKind kind)
{
    PstFolder out;
    out.Kind = kind;
    out.Properties = PropertiesOf(folder);
    // The folder's items as the node tree holds them, in order: going through the contents
    // table instead looks every message up among all of the folder's nodes, which costs the
    // square of their number.
    int count = 0;
    if (libpff_item_get_number_of_sub_items(folder, &count, nullptr) != 1)
        return out;
    for (int i = 0; i < count; ++i) {
        Item sub;
        std::uint32_t id = 0;
        if (libpff_item_get_sub_item(folder, i, sub.out(), nullptr) == 1 &&
            libpff_item_get_identifier(sub.get(), &id, nullptr) == 1 && (id & 0x1F) == kNodeTypeNormalMessage)
            out.Items.push_back(MessageProperties(sub.get()));
    }
    return out;
}

}  // namespace

bool ReadPstFile(const std::string& path, PstStore& store, std::string& error)
{
    store = PstStore{};
    libpff_file_t* file = nullptr;
    libpff_error_t* failure = nullptr;
    if (libpff_file_initialize(&file, &failure) != 1) {
        error = Message(failure);
        return false;
    }
    if (libpff_file_open(file, path.c_str(), LIBPFF_OPEN_READ, &failure) != 1) {
        error = "the file is no Outlook data file that can be read: " + Message(failure);
        libpff_file_free(&file, nullptr);
        return false;
    }
    Item messageStore;
    if (libpff_file_get_message_store(file, messageStore.out(), nullptr) == 1) {
        const PstPropertySet properties = PropertiesOf(messageStore.get());
        if (const PstProperty* key = Find(properties, kRecordKey))
            store.RecordKey = key->Value;
    }
    Item root;
    if (libpff_file_get_root_folder(file, root.out(), &failure) != 1) {
        error = "the file has no folders: " + Message(failure);
        libpff_file_close(file, nullptr);
        libpff_file_free(&file, nullptr);
        return false;
    }
    Walk walk{file};
    Visit(walk, root.get());
    for (std::size_t k = 0; k < std::size(kDefaults); ++k) {
        Item folder;
        for (const auto& id : {walk.Named[k], walk.ByClass[k]}) {
            if (id && libpff_file_get_item_by_identifier(file, *id, folder.out(), nullptr) == 1 && IsFolder(folder.get()))
                break;
            folder = Item();
        }
        if (folder)
            store.Folders.push_back(ReadFolder(folder.get(), kDefaults[k].Kind));
    }
    root = Item();
    messageStore = Item();
    libpff_file_close(file, nullptr);
    libpff_file_free(&file, nullptr);
    return true;
}

}  // namespace velmora::helpers
