#pragma once

#include "OrganizationPlan.h"

// The plan's earlier name, until every user says OrganizationPlan.
using MoveList = OrganizationPlan;
