#pragma once

#include "model/CategoryLabel.h"
#include "model/FileCategory.h"
#include "model/FileMoveOperation.h"
#include "model/Uuid.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

// The moves planned for one folder, in the order the scan produced them. Kept
// compactly, as names and each destination folder once: a plan of 100,000 moves
// takes a tenth of the memory it would as paths. `operations()` gives the moves as
// FileMoveOperation values, built as they are read, each with the same id every time.
struct OrganizationPlan
{
    // A destination folder below the organized one.
    struct Target
    {
        CategoryLabel category = FileCategory::others;
        // As FileMoveOperation::subGroup: absent when the category has no sub-groups,
        // empty for a file without extension in one that has.
        std::optional<std::string> subGroup;
        std::vector<std::string> parts; // FOLDER, or FOLDER/SUB
    };

    struct Move
    {
        std::string source; // a name directly in the folder (bytes)
        std::string destination; // its name in the target folder; empty when unchanged
        std::uint32_t target = 0;
        std::uint32_t index = 0; // the move's place in the plan it came from

        const std::string &destinationName() const
        {
            return destination.empty() ? source : destination;
        }
    };

    // The moves as FileMoveOperation values, in plan order.
    class Operations
    {
    public:
        class Iterator
        {
        public:
            using iterator_category = std::input_iterator_tag;
            using value_type = FileMoveOperation;
            using difference_type = std::ptrdiff_t;
            using pointer = void;
            using reference = FileMoveOperation;

            Iterator(const OrganizationPlan *plan, std::size_t position)
                : m_plan(plan)
                , m_position(position)
            { }
            FileMoveOperation operator*() const { return m_plan->operation(m_position); }
            Iterator &operator++()
            {
                ++m_position;
                return *this;
            }
            friend bool operator==(const Iterator &, const Iterator &) = default;

        private:
            const OrganizationPlan *m_plan;
            std::size_t m_position;
        };

        explicit Operations(const OrganizationPlan &plan)
            : m_plan(&plan)
        { }
        std::size_t size() const { return m_plan->moves.size(); }
        bool empty() const { return m_plan->moves.empty(); }
        FileMoveOperation operator[](std::size_t k) const { return m_plan->operation(k); }
        Iterator begin() const { return { m_plan, 0 }; }
        Iterator end() const { return { m_plan, size() }; }

    private:
        const OrganizationPlan *m_plan;
    };

    std::filesystem::path folderURL;
    std::vector<Target> targets;
    std::vector<Move> moves;
    // The files the sorting rules left where they are: not in `moves`.
    std::size_t leftAlone = 0;
    // The ids of the moves are made from it, so that reading one twice gives one id.
    Uuid idBase = Uuid::random();

    Operations operations() const & { return Operations(*this); }
    // The view reads the plan: a plan about to go away has none.
    Operations operations() const && = delete;
    // Move k as a record with paths.
    FileMoveOperation operation(std::size_t k) const;
    // Drops the moves `keep` refuses, and the targets no move is left for, so that a
    // run makes no folder it has nothing to put in. Each move keeps its index (its id).
    void keepOnly(const std::function<bool(const Move &)> &keep);
};
