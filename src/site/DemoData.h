#pragma once

namespace db {
class Connection;
}

namespace site {

// A small believable pousada: categories with their rates, rooms, payment methods,
// product groups and products with their opening stock, guests and one agreement.
void insertDemoData(db::Connection &conn);

} // namespace site
